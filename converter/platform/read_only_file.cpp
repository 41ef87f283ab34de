#include "platform/read_only_file.h"

#include <unistd.h>

#include <cerrno>

namespace corvanta {

ReadOnlyFile::ReadOnlyFile(const std::string& path) : file_(path) {
  if (!file_.isOpen()) {
    reader_ = [](std::uint64_t, char*, std::size_t) { return false; };
    return;
  }
  reader_ = [fd = file_.fd()](std::uint64_t offset, char* out, std::size_t count) {
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

}  // namespace corvanta
