#include "carried_encoder/carried_encoder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/processes.h"
#include "common/temporary_folder.h"

extern char** environ;

namespace corvanta {
namespace {

namespace fs = std::filesystem;

using testing::FileNamesIn;

std::vector<unsigned char> ReadBytes(const fs::path& path) {
  const std::string bytes = testing::ReadWholeFile(path);
  return {bytes.begin(), bytes.end()};
}

class CarriedEncoderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(temporary_.path().empty()); }

  testing::TemporaryFolder temporary_;
  fs::path folder_ = temporary_.path();
  fs::path encoder_ = folder_ / "quorbel.exe";
};

TEST_F(CarriedEncoderTest, CarriesTheSystemEncoderByteForByte) {
  const auto carried = CarriedEncoder();
  const std::vector<unsigned char> original = ReadBytes(CORVANTA_MENCODER_PATH);
  ASSERT_FALSE(original.empty());
  ASSERT_EQ(carried.size(), original.size());
  EXPECT_TRUE(std::equal(carried.begin(), carried.end(), original.begin()));
}

TEST_F(CarriedEncoderTest, WritesAMissingEncoderOnceWithExecutableMode) {
  EnsureEncoderFile(encoder_.string());

  const auto carried = CarriedEncoder();
  const std::vector<unsigned char> written = ReadBytes(encoder_);
  ASSERT_EQ(written.size(), carried.size());
  EXPECT_TRUE(std::equal(carried.begin(), carried.end(), written.begin()));
  struct stat info {};
  ASSERT_EQ(stat(encoder_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0755u);
  // Nothing but the encoder is left behind: no temporary file.
  EXPECT_EQ(FileNamesIn(folder_), std::vector<std::string>{"quorbel.exe"});

  // A second call finds the file and leaves it alone, even when it differs.
  fs::resize_file(encoder_, 10);
  EnsureEncoderFile(encoder_.string());
  EXPECT_EQ(fs::file_size(encoder_), 10u);
}

TEST_F(CarriedEncoderTest, KeepsAnExistingFileUnchanged) {
  testing::WriteFile(encoder_, "someone else's encoder");
  fs::permissions(encoder_, fs::perms::owner_read | fs::perms::owner_write);
  EnsureEncoderFile(encoder_.string());
  EXPECT_EQ(testing::ReadWholeFile(encoder_), "someone else's encoder");
  EXPECT_EQ(fs::status(encoder_).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(FileNamesIn(folder_).size(), 1u);
}

TEST_F(CarriedEncoderTest, AFolderOfThatNamePreventsTheWrite) {
  fs::create_directory(encoder_);
  EnsureEncoderFile(encoder_.string());
  EXPECT_TRUE(fs::is_directory(encoder_));
  EXPECT_TRUE(fs::is_empty(encoder_));
  EXPECT_EQ(FileNamesIn(folder_).size(), 1u);
}

TEST_F(CarriedEncoderTest, ADanglingLinkOfThatNameIsLeftAlone) {
  fs::create_symlink(folder_ / "elsewhere", encoder_);
  EnsureEncoderFile(encoder_.string());
  EXPECT_TRUE(fs::is_symlink(encoder_));
  EXPECT_FALSE(fs::exists(folder_ / "elsewhere"));
}

TEST_F(CarriedEncoderTest, AMissingFolderIsNotReportedAndCreatesNothing) {
  EnsureEncoderFile((folder_ / "absent" / "quorbel.exe").string());
  EXPECT_TRUE(FileNamesIn(folder_).empty());
}

TEST_F(CarriedEncoderTest, AFailedWriteLeavesNoPartialFileAndNoTemporary) {
  // A file-size limit makes the write fail part-way, the way a full disk
  // would; it works even for a user whom folder permissions do not stop.
  const auto outcome = testing::RunInChild([this] {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(2);
    EnsureEncoderFile(encoder_.string());
  });
  ASSERT_EQ(outcome.exitCode, 0);
  EXPECT_TRUE(FileNamesIn(folder_).empty());

  // The next run tries again and succeeds.
  EnsureEncoderFile(encoder_.string());
  EXPECT_EQ(fs::file_size(encoder_), CarriedEncoder().size());
}

TEST_F(CarriedEncoderTest, AnUnwritableFolderLeavesNoFile) {
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  if (access(folder_.c_str(), W_OK) == 0) {
    fs::permissions(folder_, fs::perms::owner_all);
    GTEST_SKIP() << "this user may write into any folder";
  }
  EnsureEncoderFile(encoder_.string());
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_TRUE(FileNamesIn(folder_).empty());
}

TEST_F(CarriedEncoderTest, TheWrittenEncoderRuns) {
  EnsureEncoderFile(encoder_.string());

  // Lists its options and exits, without any input file.
  const std::string program = encoder_.string();
  std::string option = "-list-options";
  char* argv[] = {const_cast<char*>(program.c_str()), option.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ASSERT_EQ(spawned, 0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace corvanta
