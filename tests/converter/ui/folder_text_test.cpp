#include <gtest/gtest.h>

#include "ui/folder_text.h"

namespace corvanta {
namespace {

TEST(OutputFolderFieldText, AppendsOneSeparatorUnlessTheLastByteIsOne) {
  EXPECT_EQ(OutputFolderFieldText("/home/user/videos"), "/home/user/videos/");
  EXPECT_EQ(OutputFolderFieldText("/home/user/videos/"), "/home/user/videos/");
  EXPECT_EQ(OutputFolderFieldText("/"), "/");
  EXPECT_EQ(OutputFolderFieldText("/a//"), "/a//");
}

TEST(OutputFolderFieldText, KeepsTheFieldForAnEmptyChoice) {
  EXPECT_FALSE(OutputFolderFieldText("").has_value());
}

TEST(OutputFolderFieldText, LooksAtTheLastByteOnly) {
  // A backslash is an ordinary character in a Linux name; a trailing
  // multi-byte character still gets its separator.
  EXPECT_EQ(OutputFolderFieldText("/tmp/a\\"), "/tmp/a\\/");
  EXPECT_EQ(OutputFolderFieldText("/tmp/视频"), "/tmp/视频/");
  EXPECT_EQ(OutputFolderFieldText(std::string("/tmp/x\xff")), std::string("/tmp/x\xff/"));
}

}  // namespace
}  // namespace corvanta
