#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "selection_buffer.h"

namespace corvanta::kelvane {
namespace {

using namespace std::string_literals;

struct Buffer {
  std::vector<char> bytes = std::vector<char>(kFileBufferSize, '\0');
  // The first bytes of the buffer, as many as `expected` holds.
  std::string Head(const std::string& expected) const {
    return std::string(bytes.data(), expected.size());
  }
  bool AllZero() const {
    for (char byte : bytes) {
      if (byte != '\0') return false;
    }
    return true;
  }
};

std::string RoundTrip(const std::vector<std::string>& paths) {
  Buffer buffer;
  EXPECT_TRUE(WriteSelectionBuffer(paths, buffer.bytes));
  return PathListFromBuffer(buffer.bytes);
}

TEST(SelectionBuffer, OneFileIsItsFullPathAndTwoNuls) {
  Buffer buffer;
  ASSERT_TRUE(WriteSelectionBuffer({"/v/a.avi"}, buffer.bytes));
  EXPECT_EQ(buffer.Head("/v/a.avi\0\0"s), "/v/a.avi\0\0"s);
  EXPECT_EQ(PathListFromBuffer(buffer.bytes), "/v/a.avi");
}

TEST(SelectionBuffer, ThreeFilesAreFolderThenNamesInOrder) {
  Buffer buffer;
  ASSERT_TRUE(WriteSelectionBuffer({"/v/c.mp4", "/v/a.avi", "/v/b.mkv"}, buffer.bytes));
  EXPECT_EQ(buffer.Head("/v\0c.mp4\0a.avi\0b.mkv\0\0"s), "/v\0c.mp4\0a.avi\0b.mkv\0\0"s);
  EXPECT_EQ(PathListFromBuffer(buffer.bytes), "/v/c.mp4\r\n/v/a.avi\r\n/v/b.mkv");
}

TEST(SelectionBuffer, RootFolderGetsNoSecondSlash) {
  Buffer buffer;
  ASSERT_TRUE(WriteSelectionBuffer({"/a.avi", "/b.avi"}, buffer.bytes));
  EXPECT_EQ(buffer.Head("/\0a.avi\0b.avi\0\0"s), "/\0a.avi\0b.avi\0\0"s);
  EXPECT_EQ(PathListFromBuffer(buffer.bytes), "/a.avi\r\n/b.avi");
}

TEST(SelectionBuffer, FilesFromSeveralFoldersComeBackWhole) {
  EXPECT_EQ(RoundTrip({"/home/u/x/a.avi", "/home/u/y/b.avi"}),
            "/home/u/x/a.avi\r\n/home/u/y/b.avi");
  EXPECT_EQ(RoundTrip({"/a.avi", "/d/b.avi"}), "/a.avi\r\n/d/b.avi");
  // A folder name that merely starts like another is not inside it.
  EXPECT_EQ(RoundTrip({"/home/u/a.avi", "/home/user/b.avi"}), "/home/u/a.avi\r\n/home/user/b.avi");
  EXPECT_EQ(RoundTrip({"/home/u/a.avi", "/home/u/sub/b.avi"}),
            "/home/u/a.avi\r\n/home/u/sub/b.avi");
}

TEST(SelectionBuffer, NamesWithBarsAndCharactersStayWhole) {
  EXPECT_EQ(RoundTrip({"/v/a|b.avi", "/v/文件|.mkv"}), "/v/a|b.avi\r\n/v/文件|.mkv");
}

TEST(SelectionBuffer, ChoiceThatFillsTheBufferExactlyFits) {
  // Folder "/v", NUL, names with their NULs, the closing NUL: 98,192 bytes.
  const std::size_t folderPart = 3;
  const std::size_t namePart = 201;  // 200-byte name and its NUL
  const std::size_t count = (kFileBufferSize - folderPart - 1) / namePart;
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < count; ++i) {
    std::string name = std::to_string(i);
    name.resize(200, 'n');
    paths.push_back("/v/" + name);
  }
  // Lengthen the last name so that the form fills the buffer to the byte.
  const std::size_t used = folderPart + count * namePart + 1;
  paths.back().append(kFileBufferSize - used, 'x');

  Buffer fits;
  ASSERT_TRUE(WriteSelectionBuffer(paths, fits.bytes));
  EXPECT_EQ(fits.bytes.back(), '\0');
  // Every name comes back behind "/v/", and CR LF sits between names.
  const std::size_t nameBytes = kFileBufferSize - folderPart - count - 1;
  EXPECT_EQ(PathListFromBuffer(fits.bytes).size(), nameBytes + count * 3 + (count - 1) * 2);

  paths.back() += 'y';
  Buffer tooLarge;
  EXPECT_FALSE(WriteSelectionBuffer(paths, tooLarge.bytes));
  EXPECT_TRUE(tooLarge.AllZero());
}

TEST(SelectionBuffer, EmptyChoiceIsNoChoice) {
  Buffer buffer;
  EXPECT_FALSE(WriteSelectionBuffer({}, buffer.bytes));
  EXPECT_TRUE(buffer.AllZero());
}

TEST(SelectionBuffer, NamesWithLineBreaksAreLeftOut) {
  Buffer buffer;
  ASSERT_TRUE(WriteSelectionBuffer({"/v/a\r\nb.avi", "/v/c.avi"}, buffer.bytes));
  EXPECT_EQ(PathListFromBuffer(buffer.bytes), "/v/c.avi");
  Buffer alone;
  EXPECT_FALSE(WriteSelectionBuffer({"/v/line\nbreak.avi"}, alone.bytes));
  EXPECT_TRUE(alone.AllZero());
}

TEST(SelectionBufferReading, BufferWithoutNulPairGivesEmptyText) {
  EXPECT_EQ(PathListFromBuffer(std::vector<char>(kFileBufferSize, '\0')), "");
  EXPECT_EQ(PathListFromBuffer(std::vector<char>(kFileBufferSize, 'x')), "");
  const std::string singleNul = "/v/a.avi\0"s;
  EXPECT_EQ(PathListFromBuffer(std::vector<char>(singleNul.begin(), singleNul.end())), "");
}

TEST(SelectionBufferReading, FolderAlreadyEndingInSlashIsJoinedOnce) {
  const std::string form = "/v/\0a.avi\0b.avi\0\0"s;
  EXPECT_EQ(PathListFromBuffer(std::vector<char>(form.begin(), form.end())),
            "/v/a.avi\r\n/v/b.avi");
}

TEST(SelectionBufferReading, EmptyFolderItemStillGetsItsSlash) {
  const std::string form = "\0a.avi\0\0"s;
  EXPECT_EQ(PathListFromBuffer(std::vector<char>(form.begin(), form.end())), "/a.avi");
}

}  // namespace
}  // namespace corvanta::kelvane
