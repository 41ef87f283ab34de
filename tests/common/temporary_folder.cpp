#include "common/temporary_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace corvanta::testing {

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvanta-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::MakeFile(const std::string& name, std::size_t size) const {
  std::ofstream(File(name), std::ios::binary) << std::string(size, 'v');
  return File(name);
}

std::string TemporaryFolder::MakeFolder(const std::string& name) const {
  std::filesystem::create_directories(File(name));
  return File(name);
}

}  // namespace corvanta::testing
