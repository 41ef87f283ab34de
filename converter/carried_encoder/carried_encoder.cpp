#include "carried_encoder/carried_encoder.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include "text/text_search.h"

extern "C" {
extern const unsigned char corvanta_carried_encoder_begin[];
extern const unsigned char corvanta_carried_encoder_end[];
}

namespace corvanta {
namespace {

bool WriteAll(int fd, std::span<const unsigned char> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// Gives the finished temporary file its final name, but only if that name is
// still free: something that appeared there meanwhile is never replaced.
bool MoveIntoPlaceWithoutReplacing(const char* temporary, const char* target) {
  if (renameat2(AT_FDCWD, temporary, AT_FDCWD, target, RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // The file system cannot rename without replacing; a hard link can.
  if (link(temporary, target) != 0) return false;
  unlink(temporary);
  return true;
}

// Fills a temporary file beside `target`, marks it executable and flushes it
// to disk, so that only a complete encoder ever carries the final name.
bool WriteThroughTemporary(const std::string& target, std::span<const unsigned char> bytes) {
  std::string folder = DirectoryOfPath(target);
  std::string pattern = folder + "." + FileNameOfPath(target) + ".XXXXXX";
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');

  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && fchmod(fd, 0755) == 0 && fsync(fd) == 0;
  if (close(fd) != 0) ok = false;
  ok = ok && MoveIntoPlaceWithoutReplacing(temporary.data(), target.c_str());
  if (!ok) unlink(temporary.data());
  return ok;
}

}  // namespace

std::span<const unsigned char> CarriedEncoder() {
  return {corvanta_carried_encoder_begin,
          static_cast<std::size_t>(corvanta_carried_encoder_end - corvanta_carried_encoder_begin)};
}

void EnsureEncoderFile(const std::string& encoderPath) {
  struct stat existing {};
  // Whatever bears the name (a file, a folder, even a dangling link) is kept.
  if (lstat(encoderPath.c_str(), &existing) == 0) return;
  if (errno != ENOENT) return;
  // Failures stay silent: the encoder then cannot start, and every row shows
  // the empty output that tells the user so.
  WriteThroughTemporary(encoderPath, CarriedEncoder());
}

}  // namespace corvanta
