#include "platform/output_pipe.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace corvanta {
namespace {

void CloseEnd(int& fd) {
  if (fd < 0) return;
  close(fd);
  fd = -1;
}

}  // namespace

OutputPipe::OutputPipe() {
  int ends[2] = {-1, -1};
  if (pipe2(ends, O_CLOEXEC) != 0) return;
  readEnd_ = ends[0];
  writeEnd_ = ends[1];
  // Only our end is non-blocking: the child must be able to block on a full
  // pipe instead of losing output to EAGAIN.
  const int flags = fcntl(readEnd_, F_GETFL);
  if (flags >= 0) fcntl(readEnd_, F_SETFL, flags | O_NONBLOCK);
}

OutputPipe::~OutputPipe() {
  CloseReadEnd();
  CloseWriteEnd();
}

void OutputPipe::CloseReadEnd() { CloseEnd(readEnd_); }
void OutputPipe::CloseWriteEnd() { CloseEnd(writeEnd_); }

int BytesWaiting(int readEnd) {
  int available = 0;
  if (readEnd < 0 || ioctl(readEnd, FIONREAD, &available) != 0 || available < 0) return -1;
  return available;
}

bool OutputPipe::PeekBytesAvailable(std::uint32_t& count) const {
  const int available = BytesWaiting(readEnd_);
  if (available < 0) return false;
  count = static_cast<std::uint32_t>(available);
  return true;
}

std::uint32_t OutputPipe::Read(char* buffer, std::size_t size) const {
  if (readEnd_ < 0 || size == 0) return 0;
  ssize_t got;
  do {
    got = read(readEnd_, buffer, size);
  } while (got < 0 && errno == EINTR);
  return got > 0 ? static_cast<std::uint32_t>(got) : 0;
}

}  // namespace corvanta
