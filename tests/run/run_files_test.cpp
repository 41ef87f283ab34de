#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/remove_file.h"
#include "platform/same_file.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

class RunFiles : public ::testing::Test {
 protected:
  RunFiles() {
    root_ = fs::temp_directory_path() / ("corvanta-files-" + std::to_string(getpid()));
    fs::create_directories(root_ / "dir");
    std::ofstream(Path("dir/a.avi")) << "a";
    std::ofstream(Path("dir/b.avi")) << "a";
  }
  ~RunFiles() override { fs::remove_all(root_); }
  std::string Path(const char* relative) const { return (root_ / relative).string(); }

  fs::path root_;
};

TEST_F(RunFiles, SameFileSeesThroughLinksAndSpellings) {
  fs::create_directory_symlink(root_ / "dir", root_ / "link");
  fs::create_hard_link(root_ / "dir" / "a.avi", root_ / "hard.avi");
  EXPECT_TRUE(SameFile(Path("dir/a.avi"), Path("dir/a.avi")));
  EXPECT_TRUE(SameFile(Path("dir/a.avi"), Path("link/a.avi")));
  EXPECT_TRUE(SameFile(Path("dir/a.avi"), Path("dir//./a.avi")));
  EXPECT_TRUE(SameFile(Path("dir/a.avi"), Path("hard.avi")));
  EXPECT_FALSE(SameFile(Path("dir/a.avi"), Path("dir/b.avi"))) << "equal contents are not enough";
}

TEST_F(RunFiles, SameFileOfAMissingPathIsOnlyTheSameText) {
  EXPECT_TRUE(SameFile(Path("dir/gone.avi"), Path("dir/gone.avi")));
  EXPECT_FALSE(SameFile(Path("dir/a.avi"), Path("dir/gone.avi")));
  EXPECT_FALSE(SameFile(Path("dir/gone.avi"), Path("dir//gone.avi")));
  EXPECT_FALSE(SameFile("", Path("dir/a.avi")));
}

TEST_F(RunFiles, RemoveFileTakesFilesAndLinksButNeverAFolder) {
  fs::create_symlink(root_ / "dir" / "a.avi", root_ / "link.avi");
  fs::create_directory(root_ / "MP4");
  RemoveFile(Path("link.avi"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(root_ / "link.avi")));
  EXPECT_TRUE(fs::exists(root_ / "dir" / "a.avi")) << "a link's target stays";
  RemoveFile(Path("dir/a.avi"));
  EXPECT_FALSE(fs::exists(root_ / "dir" / "a.avi"));
  RemoveFile(Path("MP4"));
  EXPECT_TRUE(fs::is_directory(root_ / "MP4"));
  RemoveFile(Path("dir/gone.avi"));
}

}  // namespace
}  // namespace corvanta
