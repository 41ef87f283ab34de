#pragma once

#include <cstdint>
#include <string>

#include "probes/byte_reader.h"
#include "regular_file.h"

namespace corvanta {

// A regular file opened for reading, as RegularFile opens it; a file that is
// not opened reads as empty.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path);

  std::uint64_t size() const { return file_.size(); }
  // Reads at any offset; valid while this object lives.
  const ByteReader& reader() const { return reader_; }

 private:
  RegularFile file_;
  ByteReader reader_;
};

}  // namespace corvanta
