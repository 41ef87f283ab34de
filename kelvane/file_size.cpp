#include "file_size.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "byte_size_text.h"

namespace corvanta::kelvane {

std::uint64_t MeasureFileSize(const std::string& path) {
  // O_NONBLOCK keeps a FIFO's open from waiting for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return 0;
  struct stat status {};
  const bool measured = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  ::close(fd);
  return measured ? static_cast<std::uint64_t>(status.st_size) : 0;
}

std::string GetFileSizeText(const std::string& path) {
  return FormatByteSizeText(MeasureFileSize(path));
}

float QueryFileSizeKilobytes(const std::string& path) {
  return KilobytesOfByteCount(MeasureFileSize(path));
}

}  // namespace corvanta::kelvane
