#pragma once

#include <cstdint>
#include <string>

#include "probes/byte_reader.h"

namespace corvanta {

// A regular file opened for reading. Opening never waits: a named pipe,
// a device or anything else that is no regular file is not opened, and
// neither is a path that cannot be read; such a file reads as empty.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  std::uint64_t size() const { return size_; }
  // Reads at any offset; valid while this object lives.
  const ByteReader& reader() const { return reader_; }

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
  ByteReader reader_;
};

}  // namespace corvanta
