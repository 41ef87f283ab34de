#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/modal_windows.h"
#include "common/processes.h"
#include "fatal_error.h"
#include "fatal_exit.h"
#include "library_text.h"
#include "result_holders.h"

// A failed allocation must come back as a null pointer, also under the
// address sanitizer, so that the library's own fatal path can be seen.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

namespace corvanta::kelvane {
namespace {

using testing::RunInChild;
using testing::WhenModalOpens;

TEST(ArgumentCopies, NullBecomesTheEmptyText) {
  const char* copy = CopyArgumentText(nullptr);
  EXPECT_EQ(copy, EmptyText());
  EXPECT_STREQ(copy, "");
  ReleaseText(copy);  // releasing the constant empty text does nothing
  ReleaseText(nullptr);
}

TEST(ArgumentCopies, CopyIsANewBlockThatOutlivesTheOriginal) {
  std::string original = "/v/文件.avi";
  const char* copy = CopyArgumentText(original.c_str());
  EXPECT_NE(copy, original.c_str());
  original.assign(original.size(), 'x');
  EXPECT_STREQ(copy, "/v/文件.avi");
  ReleaseText(copy);

  const char* empty = CopyArgumentText("");
  EXPECT_NE(empty, EmptyText());  // a real, releasable block
  EXPECT_STREQ(empty, "");
  ReleaseText(empty);
}

TEST(ArgumentCopies, NewTextKeepsEveryByteUpToItsLength) {
  const char* text = NewText(std::string_view("ab\0cd", 5));
  EXPECT_EQ(std::memcmp(text, "ab\0cd\0", 6), 0);
  ReleaseText(text);
}

TEST(ResultHolders, StoringReleasesOnlyThePreviousTextOfThatHolder) {
  const char* first = StoreResult(LastSizeTextResult, NewText("1.50 KB"));
  const char* format = StoreResult(LastFormatResult, NewText("0 字节"));
  const char* second = StoreResult(LastSizeTextResult, NewText("2.00 KB"));
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(LastSizeTextResult, second);
  EXPECT_STREQ(LastSizeTextResult, "2.00 KB");
  EXPECT_EQ(LastFormatResult, format);
  EXPECT_STREQ(LastFormatResult, "0 字节");
  EXPECT_EQ(LastOpenDialogResult, nullptr);

  ReleaseExportResults();
  EXPECT_EQ(LastSizeTextResult, nullptr);
  EXPECT_EQ(LastFormatResult, nullptr);
  ReleaseExportResults();  // a second clean-up finds nothing to free
}

std::size_t Unobtainable() {
  volatile std::size_t bytes = std::size_t{1} << 62;
  return bytes;
}

TEST(FatalError, AllocationFailureNamesTheBytes) {
  EXPECT_EQ(AllocationFailureDetail(98192), "分配 98192 字节内存失败!");
}

TEST(FatalError, FailedAllocationWithoutWindowsWritesTextAndEndsWithMinusOne) {
  const auto outcome = RunInChild([] { AllocateBlock(Unobtainable()); });
  EXPECT_EQ(outcome.exitCode, 255);
  // The text comes last; a sanitizer may have said its word before it.
  const std::string text = FatalErrorText(AllocationFailureDetail(std::size_t{1} << 62));
  EXPECT_TRUE(outcome.standardError.ends_with(text)) << outcome.standardError;
}

TEST(FatalError, FailedAllocationInAWindowedHostShowsTheBoxFirst) {
  const auto outcome = RunInChild([] {
    int argc = 1;
    char name[] = "library_text_test";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    WhenModalOpens<QMessageBox>([](QMessageBox& box) {
      std::printf("%s|%d|%d|%s", box.windowTitle().toStdString().c_str(),
                  static_cast<int>(box.icon()), box.parentWidget() == nullptr,
                  box.text().toStdString().c_str());
      std::fflush(stdout);
      box.accept();
    });
    AllocateBlock(Unobtainable());
  });
  EXPECT_EQ(outcome.exitCode, 255);
  EXPECT_EQ(outcome.standardOutput,
            "错误|" + std::to_string(static_cast<int>(QMessageBox::Critical)) + "|1|" +
                FatalErrorText(AllocationFailureDetail(std::size_t{1} << 62)));
}

}  // namespace
}  // namespace corvanta::kelvane
