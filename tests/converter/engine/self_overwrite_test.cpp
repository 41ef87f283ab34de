#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "common/temporary_folder.h"
#include "run_fixture.h"

namespace corvanta::fakes {
namespace {

namespace fs = std::filesystem;

// A row whose output would be a queued input, its own or another row's: the
// encoder would overwrite a file the user still wants, and a stop would then
// delete it.
class SelfOverwrite : public RunFixture {
 protected:
  SelfOverwrite() {
    testing::WriteFile(folder_.MakeFolder("in") + "/a.avi", "original");
    window.format = "avi";
  }

  std::string Folder(const char* name) const { return folder_.File(name) + "/"; }
  bool OriginalIntact() const {
    return testing::ReadWholeFile(folder_.File("in/a.avi")) == "original";
  }
  void ExpectRowFailedWithoutEncoder(int row, const std::string& outputPath) {
    EXPECT_EQ(window.Row(row).cells[3], "完成");
    EXPECT_EQ(window.Row(row).cells[4], "0 字节");
    EXPECT_EQ(window.Row(row).icon, kFailedIcon);
    for (const auto& command : EncoderCommands(log)) {
      EXPECT_EQ(command.find("\"" + outputPath + "\""), std::string::npos);
    }
    EXPECT_EQ(IndexOf(log, "delete " + outputPath), -1);
    EXPECT_EQ(IndexOf(log, "size " + outputPath), -1);
  }

  testing::TemporaryFolder folder_;
  fs::path root_ = folder_.path();
};

TEST_F(SelfOverwrite, TheSamePathIsNotEncodedAndTheNextRowStillRuns) {
  window.AddRow(Folder("in"), "a.avi");
  window.AddRow(Folder("in"), "b.mkv");
  window.outputFolder = Folder("in");
  Click();
  ExpectRowFailedWithoutEncoder(0, Folder("in") + "a.avi");
  ASSERT_EQ(EncoderCommands(log).size(), 1u);
  EXPECT_NE(EncoderCommands(log)[0].find("b.avi\""), std::string::npos);
  EXPECT_EQ(window.Row(1).icon, kDoneIcon);
  EXPECT_EQ(log.back(), "done window");
  EXPECT_TRUE(OriginalIntact());
}

TEST_F(SelfOverwrite, AnOutputNamingAnotherRowsInputIsNotEncoded) {
  // "clip.avi" would become "clip.MP4", the next row's input.
  testing::WriteFile(folder_.File("in/clip.avi"), "avi");
  testing::WriteFile(folder_.File("in/clip.MP4"), "user's mp4");
  window.format = "MP4";
  window.AddRow(Folder("in"), "clip.avi");
  window.AddRow(Folder("in"), "clip.MP4");
  window.AddRow(Folder("in"), "a.avi");
  window.outputFolder = Folder("in");
  Click();
  ExpectRowFailedWithoutEncoder(0, Folder("in") + "clip.MP4");
  ExpectRowFailedWithoutEncoder(1, Folder("in") + "clip.MP4");
  ASSERT_EQ(EncoderCommands(log).size(), 1u);
  EXPECT_NE(EncoderCommands(log)[0].find("a.MP4\""), std::string::npos);
  EXPECT_EQ(testing::ReadWholeFile(folder_.File("in/clip.MP4")), "user's mp4");
}

TEST_F(SelfOverwrite, ALinkedFolderIsTheSameFileAndAStopLaterDeletesOnlyItsOwnOutput) {
  fs::create_directory_symlink(root_ / "in", root_ / "link");
  window.AddRow(Folder("in"), "a.avi");
  window.AddRow("/elsewhere/", "b.mkv");
  window.outputFolder = Folder("link");
  During(1, [&] { Click(); });
  Click();
  ExpectRowFailedWithoutEncoder(0, Folder("link") + "a.avi");
  EXPECT_EQ(EventsStartingWith(log, "delete"),
            std::vector<std::string>(2, "delete " + Folder("link") + "b.avi"));
  EXPECT_TRUE(OriginalIntact());
}

}  // namespace
}  // namespace corvanta::fakes
