#include "engine/avi_empty_chunk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace corvanta {
namespace {

// About ten hours of 25 fps video with its audio: reading this many 8-byte
// headers takes well under a second.
constexpr std::uint32_t kMaxChunksWalked = 2'000'000;
// RIFF in the file, the AVI's lists, "movi", "rec ".
constexpr int kMaxDepth = 4;

std::uint32_t LittleEndian32(const char* bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsVideoChunk(std::string_view id) {
  return IsDigit(id[0]) && IsDigit(id[1]) && (id.substr(2) == "dc" || id.substr(2) == "db");
}

// Lists and RIFF forms that hold movie data, directly or further down.
bool HoldsMovieData(std::string_view form) {
  return form == "AVI " || form == "AVIX" || form == "movi" || form == "rec ";
}

class ChunkWalk {
 public:
  explicit ChunkWalk(const ByteReader& read) : read_(read) {}

  bool FindEmptyVideoChunk(std::uint64_t begin, std::uint64_t end, int depth) {
    std::uint64_t position = begin;
    while (position + 8 <= end) {
      if (walked_++ >= kMaxChunksWalked) return false;
      char header[8];
      if (!read_(position, header, sizeof header)) return false;
      const std::string_view id(header, 4);
      const std::uint64_t size = LittleEndian32(header + 4);
      const std::uint64_t payload = position + 8;
      if (IsVideoChunk(id) && size == 0) return true;
      if ((id == "RIFF" || id == "LIST") && size >= 4 && depth < kMaxDepth) {
        char form[4];
        if (!read_(payload, form, sizeof form)) return false;
        // Writers that never came back to fill in a size leave it too large.
        const std::uint64_t listEnd = std::min(payload + size, end);
        if (HoldsMovieData(std::string_view(form, 4)) &&
            FindEmptyVideoChunk(payload + 4, listEnd, depth + 1)) {
          return true;
        }
      }
      position = payload + size + (size & 1);
    }
    return false;
  }

 private:
  const ByteReader& read_;
  std::uint32_t walked_ = 0;
};

}  // namespace

bool HoldsEmptyAviVideoChunk(const ByteReader& read, std::uint64_t size) {
  char start[12];
  if (size < sizeof start || !read(0, start, sizeof start)) return false;
  if (std::memcmp(start, "RIFF", 4) != 0 || std::memcmp(start + 8, "AVI ", 4) != 0) return false;
  return ChunkWalk(read).FindEmptyVideoChunk(0, size, 0);
}

bool FileHoldsEmptyAviVideoChunk(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  bool found = false;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    const ByteReader read = [fd](std::uint64_t offset, char* out, std::size_t count) {
      return ::pread(fd, out, count, static_cast<off_t>(offset)) == static_cast<ssize_t>(count);
    };
    found = HoldsEmptyAviVideoChunk(read, static_cast<std::uint64_t>(status.st_size));
  }
  ::close(fd);
  return found;
}

}  // namespace corvanta
