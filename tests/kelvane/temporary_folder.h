#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <cstdlib>

namespace corvanta::kelvane::testing {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvane-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  // Writes a file of `size` bytes and gives its full path.
  std::string MakeFile(const std::string& name, std::size_t size) const {
    std::ofstream(File(name), std::ios::binary) << std::string(size, 'v');
    return File(name);
  }

 private:
  std::string path_;
};

}  // namespace corvanta::kelvane::testing
