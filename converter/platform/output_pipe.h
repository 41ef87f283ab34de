#pragma once

#include <cstddef>
#include <cstdint>

namespace corvanta {

// How many bytes wait in the pipe whose read end is `readEnd`; -1 when that
// cannot be told. 0 both at the end of the output and while the writer is idle.
int BytesWaiting(int readEnd);

// The pipe that carries a child's standard output and standard error to us.
// Both ends are close-on-exec, so no other child inherits them; the read end
// never blocks. A pipe that could not be created has both ends at -1, and
// every operation on it fails harmlessly. Open ends are closed on destruction.
class OutputPipe {
 public:
  OutputPipe();
  ~OutputPipe();
  OutputPipe(const OutputPipe&) = delete;
  OutputPipe& operator=(const OutputPipe&) = delete;

  int readEnd() const { return readEnd_; }
  int writeEnd() const { return writeEnd_; }

  void CloseReadEnd();
  void CloseWriteEnd();

  // Stores the number of bytes waiting in `count`. On failure `count` keeps
  // its value and the result is false. At the end of the output and while the
  // writer is idle alike, the count is 0.
  bool PeekBytesAvailable(std::uint32_t& count) const;

  // Reads at most `size` bytes without waiting; the number read, 0 when
  // nothing could be read.
  std::uint32_t Read(char* buffer, std::size_t size) const;

 private:
  int readEnd_ = -1;
  int writeEnd_ = -1;
};

}  // namespace corvanta
