#pragma once

#include <cstddef>
#include <string>

namespace corvanta::testing {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes, even after a test took its permissions away.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::string& path() const { return path_; }
  // The full path of `name` in the folder; nothing is made.
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Writes a file of `size` bytes and gives its full path.
  std::string MakeFile(const std::string& name, std::size_t size = 0) const;
  // Makes a folder (and any folders above it) and gives its full path.
  std::string MakeFolder(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace corvanta::testing
