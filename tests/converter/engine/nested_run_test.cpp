#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/event_loop.h"
#include "engine/convert_button.h"
#include "fake_encoder.h"
#include "run_fakes.h"
#include "stand_in_services.h"

namespace corvanta {
namespace {

using fakes::EventLog;
using fakes::EventsStartingWith;

// Each start of the stand-in counts itself in "starts" and finds its output
// after "-o". The first (the first run's row 1) and the third (the nested
// run's row 2) write part of a file and then wait, silent, on a pipe that
// nobody writes to; the second (the nested run's row 1) writes a whole file.
constexpr const char* kStandIn =
    "n=0; [ -e starts ] && read n < starts; n=$((n + 1)); echo $n > starts\n"
    "out=; previous=\n"
    "for argument in \"$@\"; do [ \"$previous\" = -o ] && out=$argument; previous=$argument; done\n"
    "if [ $n = 2 ]; then printf whole > \"$out\"; exit 0; fi\n"
    "printf part > \"$out\"; touch started.$n\n"
    "read line < nobody\n";

class NestedRunTest : public testing::EncoderRunTest {
 protected:
  NestedRunTest() {
    testing::WriteFakeEncoder(folder_, kStandIn);
    mkfifo(folder_.File("nobody").c_str(), 0600);
    window.outputFolder = folder_.MakeFolder("out") + "/";
    for (const char* name : {"a.avi", "b.avi", "c.avi"}) window.AddRow("/in/", name);
  }
  void Click() { OnConvertButtonClick(window, services, state_, faces.Faces()); }
  bool Started(int start) const {
    return std::filesystem::exists(folder_.File("started." + std::to_string(start)));
  }

  EventLog log;
  fakes::TestFaces faces;
  fakes::FakeRunWindow window{log, faces};
  testing::StandInServices services{log, folder_.path()};
};

// A double click on Convert during a run: a stop, then at once a start,
// which runs inside the stopped run. The nested run's first encoder start
// ends the stopped run's encoder and converts row 1 whole; its stop during
// row 2 then ends both runs. Row 1 stays done and its file stays; only the
// nested run's own stopped output goes.
TEST_F(NestedRunTest, ADoubleClickedRunKeepsRowOneDoneAndItsFile) {
  testing::WhenThen doubleClick([&] { return Started(1); },
                                [&] {
                                  Click();
                                  Click();
                                });
  testing::WhenThen stopNested([&] { return Started(3); }, [&] { Click(); });
  Click();

  ASSERT_TRUE(doubleClick.fired());
  ASSERT_TRUE(stopNested.fired());
  EXPECT_EQ(window.Row(0).cells[3], "完成");
  EXPECT_EQ(window.Row(0).icon, kDoneIcon);
  EXPECT_EQ(window.Row(0).cells[4], "5 字节");
  EXPECT_EQ(testing::ReadWholeFile(window.outputFolder + "a.MP4"), "whole");
  EXPECT_EQ(window.Row(1).icon, kFailedIcon);
  EXPECT_EQ(window.Row(1).cells[4], "0 字节");
  EXPECT_EQ(window.Row(2).cells[3], "等待");
  const std::string stopped = "delete " + window.outputFolder + "b.MP4";
  EXPECT_EQ(EventsStartingWith(log, "delete"), std::vector<std::string>(2, stopped));
  EXPECT_EQ(testing::FileNamesIn(window.outputFolder), std::vector<std::string>{"a.MP4"});
  // No row was converted a second time, and the run ended once.
  EXPECT_EQ(testing::ReadWholeFile(folder_.File("starts")), "3\n");
  EXPECT_EQ(EventsStartingWith(log, "done window").size(), 1u);
  EXPECT_EQ(state_.RunsInProgress, 0);
}

}  // namespace
}  // namespace corvanta
