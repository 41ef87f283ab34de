#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/temporary_folder.h"
#include "kelvane_library.h"

namespace corvanta::kelvane {
namespace {

using testing::Kelvane;
using testing::TemporaryFolder;

class SizeExports : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Kelvane().handle, nullptr) << dlerror();
    ASSERT_NE(Kelvane().zhaui, nullptr);
    ASSERT_NE(Kelvane().FormatKB, nullptr);
    ASSERT_NE(Kelvane().QueryKilobytes, nullptr);
  }
  std::string SizeText(const char* path) { return Kelvane().zhaui(path); }
  float Kilobytes(const char* path) { return Kelvane().QueryKilobytes(path); }

  TemporaryFolder folder_;
};

TEST_F(SizeExports, FormatKBReadsItsWordAsUnsigned) {
  EXPECT_STREQ(Kelvane().FormatKB(0), "0 字节");
  EXPECT_STREQ(Kelvane().FormatKB(1536), "1.50 KB");
  EXPECT_STREQ(Kelvane().FormatKB(static_cast<std::uint32_t>(-1)), "3.99 GB");
}

TEST_F(SizeExports, EverythingThatCannotBeMeasuredReadsAsZeroBytes) {
  const std::string empty = folder_.MakeFile("empty.avi", 0);
  EXPECT_EQ(SizeText(empty.c_str()), "0 字节");
  EXPECT_EQ(SizeText(folder_.File("missing.avi").c_str()), "0 字节");
  EXPECT_EQ(SizeText(""), "0 字节");
  EXPECT_EQ(SizeText(nullptr), "0 字节");
  EXPECT_EQ(SizeText(folder_.path().c_str()), "0 字节");

  // A pipe without a writer must neither block the open nor count as a file.
  const std::string fifo = folder_.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(SizeText(fifo.c_str()), "0 字节");
}

TEST_F(SizeExports, UnreadableFileReadsAsZeroBytes) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string locked = folder_.MakeFile("locked.avi", 1536);
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  EXPECT_EQ(SizeText(locked.c_str()), "0 字节");
  EXPECT_EQ(Kilobytes(locked.c_str()), 0.0f);
}

TEST_F(SizeExports, SizeTextOfAFile) {
  EXPECT_EQ(SizeText(folder_.MakeFile("a.avi", 1536).c_str()), "1.50 KB");
  EXPECT_EQ(SizeText(folder_.MakeFile("文件.mkv", 1023).c_str()), "1023 字节");
}

TEST_F(SizeExports, KilobytesToTwoPlaces) {
  EXPECT_EQ(Kilobytes(folder_.MakeFile("1536", 1536).c_str()), 1.5f);
  EXPECT_EQ(Kilobytes(folder_.MakeFile("1000", 1000).c_str()), 0.98f);
  EXPECT_EQ(Kilobytes(folder_.MakeFile("128", 128).c_str()), 0.13f);
  EXPECT_EQ(Kilobytes(folder_.MakeFile("6", 6).c_str()), 0.01f);
  EXPECT_EQ(Kilobytes(folder_.MakeFile("5", 5).c_str()), 0.0f);
  EXPECT_EQ(Kilobytes(folder_.MakeFile("0", 0).c_str()), 0.0f);
  EXPECT_EQ(Kilobytes(folder_.File("missing").c_str()), 0.0f);
  EXPECT_EQ(Kilobytes(nullptr), 0.0f);
  EXPECT_EQ(Kilobytes(""), 0.0f);
}

TEST_F(SizeExports, FilesOfFourGibibytesAndMoreKeepTheirSize) {
  const std::string large = folder_.File("large.avi");
  const int fd = ::open(large.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  const bool grown = ::ftruncate(fd, (off_t{1} << 32) + 1536) == 0;
  ::close(fd);
  if (!grown) GTEST_SKIP() << "the temporary folder cannot hold a sparse 4 GiB file";
  EXPECT_EQ(SizeText(large.c_str()), "4.00 GB");
  EXPECT_EQ(Kilobytes(large.c_str()), 4194305.5f);
}

TEST_F(SizeExports, ResultPassedBackInIsCopiedBeforeItIsReleased) {
  // A file named like a size text lets zhaui's own result serve as a path.
  const std::string before = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  folder_.MakeFile("1.50 KB", 2048);
  const char* first = Kelvane().zhaui(folder_.MakeFile("x", 1536).c_str());
  ASSERT_STREQ(first, "1.50 KB");
  const char* second = Kelvane().zhaui(first);
  EXPECT_STREQ(second, "2.00 KB");
  std::filesystem::current_path(before);
}

TEST_F(SizeExports, EachHolderKeepsItsTextUntilItsOwnExportRunsAgain) {
  const std::string small = folder_.MakeFile("small", 6);
  const char* format = Kelvane().FormatKB(1536);
  const char* size1 = Kelvane().zhaui(small.c_str());
  const char* size2 = Kelvane().zhaui(folder_.MakeFile("big", 10240).c_str());
  EXPECT_STREQ(size2, "10.0 KB");

  // Neither the number export nor the message export touches a holder.
  Kelvane().QueryKilobytes(small.c_str());
  Kelvane().fjp(0, 1);
  EXPECT_STREQ(format, "1.50 KB");
  EXPECT_STREQ(size2, "10.0 KB");

  // FormatKB's text survives zhaui calls and zhaui's survives FormatKB calls.
  const char* format2 = Kelvane().FormatKB(0);
  EXPECT_STREQ(size2, "10.0 KB");
  const char* size3 = Kelvane().zhaui(small.c_str());
  EXPECT_STREQ(format2, "0 字节");
  EXPECT_STREQ(size3, "6 字节");
  (void)size1;  // released by the second call: never read again
}

}  // namespace
}  // namespace corvanta::kelvane
