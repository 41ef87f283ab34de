#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "common/temporary_folder.h"
#include "platform/remove_file.h"
#include "platform/same_file.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

class RunFiles : public ::testing::Test {
 protected:
  RunFiles() {
    folder_.MakeFolder("dir");
    testing::WriteFile(Path("dir/a.avi"), "a");
    testing::WriteFile(Path("dir/b.avi"), "a");
  }
  std::string Path(const char* relative) const { return folder_.File(relative); }

  testing::TemporaryFolder folder_;
  fs::path root_ = folder_.path();
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
