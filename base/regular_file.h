#pragma once

#include <cstdint>
#include <string>

namespace corvanta {

// A regular file opened for reading, closed with this object. Opening never
// waits: a named pipe, a device or anything else that is no regular file is
// not kept open, nor is a path that cannot be opened.
class RegularFile {
 public:
  explicit RegularFile(const std::string& path);
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  // -1 when not open.
  int fd() const { return fd_; }
  // 0 when not open.
  std::uint64_t size() const { return size_; }

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

}  // namespace corvanta
