#include "platform/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace corvanta {

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
  // Opening a named pipe for reading would wait for a writer; O_NONBLOCK
  // returns at once, and only a regular file is kept.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat status {};
  if (fd_ >= 0 && (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(fd_);
    fd_ = -1;
  }
  if (fd_ < 0) {
    reader_ = [](std::uint64_t, char*, std::size_t) { return false; };
    return;
  }
  size_ = static_cast<std::uint64_t>(status.st_size);
  reader_ = [fd = fd_](std::uint64_t offset, char* out, std::size_t count) {
    while (count > 0) {
      const ssize_t got = ::pread(fd, out, count, static_cast<off_t>(offset));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      out += got;
      offset += static_cast<std::uint64_t>(got);
      count -= static_cast<std::size_t>(got);
    }
    return true;
  };
}

ReadOnlyFile::~ReadOnlyFile() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace corvanta
