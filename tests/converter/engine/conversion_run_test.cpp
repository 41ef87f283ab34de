#include <gtest/gtest.h>

#include "engine/run_state.h"
#include "run_fixture.h"

namespace corvanta::fakes {
namespace {

using Strings = std::vector<std::string>;

// The events of one row converted without a stop, from its status to its size.
Strings RowEvents(int row, const std::string& command, const std::string& output,
                  const std::string& size = "12.5 KB", int icon = kDoneIcon) {
  const std::string r = std::to_string(row);
  return {"cell " + r + " 3 正在转换",
          "icon " + r + " 1",
          "encoder " + command,
          "bar left 56",
          "bar width 0",
          "encoder ended " + std::to_string(row + 1),
          "cell " + r + " 3 完成",
          "size " + output,
          "icon " + r + " " + std::to_string(icon),
          "size " + output,
          "cell " + r + " 4 " + size};
}

const Strings kEndOfRun = {"timer 0",           "bar left 52",
                           "bar width 588",     "normal START-normal",
                           "hover START-hover", "done window"};

Strings Slice(const EventLog& log, int from, std::size_t count) {
  return Strings(log.begin() + from, log.begin() + from + static_cast<int>(count));
}

using ConversionRun = RunFixture;

TEST_F(ConversionRun, ConvertsEveryRowInOrderThenRestoresTheIdleWindow) {
  Queue({"a.avi", "b.mkv", "c.wmv"});
  Click();

  const Strings start = {"read hover", "normal STOP-normal", "hover STOP-hover",
                         "ensure /prog/quorbel.exe", "timer 1000"};
  EXPECT_EQ(Slice(log, 0, start.size()), start);
  const std::string command =
      "quorbel.exe \"/in/a.avi\" -srate 22050 -vf-add scale=320:240 -ofps 29.97 -oac mp3lame "
      "-lameopts cbr:br=32:mode=0 -ovc xvid -xvidencopts bitrate=500:threads=2 -o \"/out/a.MP4\"";
  const auto row0 = RowEvents(0, command, "/out/a.MP4");
  EXPECT_EQ(Slice(log, 5, row0.size()), row0);
  EXPECT_EQ(EncoderCommands(log).size(), 3u);
  EXPECT_NE(EncoderCommands(log)[2].find("\"/in/c.wmv\""), std::string::npos);
  EXPECT_NE(EncoderCommands(log)[2].find("\"/out/c.MP4\""), std::string::npos);
  EXPECT_EQ(Slice(log, static_cast<int>(log.size() - kEndOfRun.size()), kEndOfRun.size()),
            kEndOfRun);

  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(window.Row(row).cells[3], "完成");
    EXPECT_EQ(window.Row(row).cells[4], "12.5 KB");
    EXPECT_EQ(window.Row(row).icon, kDoneIcon);
  }
  EXPECT_EQ(state.IsConverting, 0);
  EXPECT_EQ(state.StopRequested, 0);
  EXPECT_EQ(state.ElapsedMs, 0);
  EXPECT_EQ(state.RunStartTick, 100000);
  EXPECT_TRUE(EventsStartingWith(log, "delete").empty());
  EXPECT_TRUE(EventsStartingWith(log, "power off").empty());
}

TEST_F(ConversionRun, TakesTheSettingsShownAtItsStart) {
  Queue({"a.avi"});
  window.settings[RunWindow::SettingList::AudioCodec] = "MP2";
  window.settings[RunWindow::SettingList::AudioBitrate] = "128";
  window.settings[RunWindow::SettingList::VideoCodec] = "x264";
  window.format = "mkv";
  Click();
  EXPECT_EQ(state.AudioCodecText, "MP2");
  EXPECT_EQ(state.VideoCodecText, "x264");
  EXPECT_EQ(state.SampleRateText, "22050");
  EXPECT_EQ(EncoderCommands(log).at(0),
            "quorbel.exe \"/in/a.avi\" -srate 22050 -vf-add scale=320:240 -ofps 29.97 -oac lavc "
            "-lavcopts acodec=mp2:abitrate=128  -ovc x264 -ffourcc H264 -x264encopts "
            "bitrate=500:threads=2 -o \"/out/a.mkv\"");
}

TEST_F(ConversionRun, ARowIsDoneOnlyWhenTheEncoderFinishedAndLeftMoreThanTheZeroSizeText) {
  Queue({"a.avi", "b.avi", "c.avi", "d.avi"});
  services.sizes["/out/a.MP4"] = "0 字节";
  services.sizes["/out/b.MP4"] = "0 字节 ";
  // A crashed encoder's file is kept and its size shown, but it is no result.
  services.failingCalls = {3};
  Click();
  EXPECT_EQ(window.Row(0).icon, kFailedIcon);
  EXPECT_EQ(window.Row(0).cells[3], "完成");
  EXPECT_EQ(window.Row(0).cells[4], "0 字节");
  EXPECT_EQ(window.Row(1).icon, kDoneIcon);
  EXPECT_EQ(window.Row(2).icon, kFailedIcon);
  EXPECT_EQ(window.Row(2).cells[3], "完成");
  EXPECT_EQ(window.Row(2).cells[4], "12.5 KB");
  EXPECT_EQ(window.Row(3).icon, kDoneIcon);
  EXPECT_EQ(EncoderCommands(log).size(), 4u);
  EXPECT_TRUE(EventsStartingWith(log, "delete").empty());
}

TEST_F(ConversionRun, StopDuringRowTwoOfFiveEndsTheRunAfterThatRow) {
  Queue({"a.avi", "b.avi", "c.avi", "d.avi", "e.avi"});
  During(2, [&] {
    Click();
    // The stop shows at once, before the run notices it.
    EXPECT_EQ(faces.NameOf(window.normalPicture), "START-normal");
    EXPECT_EQ(faces.NameOf(window.hoverPicture), "START-hover");
    EXPECT_EQ(state.StopRequested, 1);
    EXPECT_EQ(state.IsConverting, 0);
  });
  Click();

  EXPECT_EQ(EncoderCommands(log).size(), 2u);
  // The stopped row is finished like any other, then shows that its output
  // is gone.
  EXPECT_EQ(window.Row(1).cells[3], "完成");
  EXPECT_EQ(window.Row(1).cells[4], "0 字节");
  EXPECT_EQ(window.Row(1).icon, kFailedIcon);
  for (int row = 2; row < 5; ++row) {
    EXPECT_EQ(window.Row(row).cells[3], "等待");
    EXPECT_EQ(window.Row(row).icon, kAddedIcon);
  }
  // Deleted once when the stop is taken and once more at the end.
  EXPECT_EQ(EventsStartingWith(log, "delete"), Strings(2, "delete /out/b.MP4"));
  const int firstDelete = IndexOf(log, "delete /out/b.MP4");
  EXPECT_EQ(log.at(static_cast<std::size_t>(firstDelete - 1)), "cell 1 4 12.5 KB");
  EXPECT_EQ(Slice(log, firstDelete + 1, 4),
            Strings({"icon 1 2", "size /out/b.MP4", "cell 1 4 0 字节", "timer 0"}));
  const int secondDelete = IndexOf(log, "delete /out/b.MP4", firstDelete + 1);
  EXPECT_EQ(log.at(static_cast<std::size_t>(secondDelete - 1)), "hover START-hover");
  EXPECT_EQ(log.back(), "done window");
  EXPECT_GE(IndexOf(log, "add enabled"), 0);
  EXPECT_EQ(state.StopRequested, 1) << "a stop stays requested until the next start";
  EXPECT_EQ(state.IsConverting, 0);
}

TEST_F(ConversionRun, PowersOffWhenTickedAfterEveryKindOfEndAndStillShowsDone) {
  window.shutdownTicked = true;
  Queue({"a.avi", "b.avi"});
  Click();
  EXPECT_EQ(Slice(log, static_cast<int>(log.size()) - 2, 2), Strings({"power off", "done window"}));

  log.clear();
  During(3, [&] { Click(); });
  Click();
  EXPECT_EQ(Slice(log, static_cast<int>(log.size()) - 3, 3),
            Strings({"delete /out/a.MP4", "power off", "done window"}));

  log.clear();
  window.shutdownTicked = false;
  Click();
  EXPECT_TRUE(EventsStartingWith(log, "power off").empty());
  EXPECT_EQ(log.back(), "done window");
}

TEST_F(ConversionRun, ANewOutputFolderAppliesFromTheNextRowButFormatAndSettingsWait) {
  Queue({"a.avi", "b.avi"});
  During(1, [&] {
    window.outputFolder = "/new/";
    window.format = "mkv";
    window.settings[RunWindow::SettingList::VideoCodec] = "mpeg1";
  });
  Click();
  const auto commands = EncoderCommands(log);
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_NE(commands[0].find("-o \"/out/a.MP4\""), std::string::npos);
  EXPECT_NE(commands[1].find("-o \"/new/b.MP4\""), std::string::npos);
  EXPECT_NE(commands[1].find("-ovc xvid"), std::string::npos);
}

TEST_F(ConversionRun, RowsAddedDuringARunWaitForTheNext) {
  Queue({"a.avi", "b.avi"});
  During(1, [&] { window.AddRow("/in/", "late.avi"); });
  Click();
  EXPECT_EQ(EncoderCommands(log).size(), 2u);
  EXPECT_EQ(window.Row(2).cells[3], "等待");
  EXPECT_EQ(window.Row(2).icon, kAddedIcon);

  log.clear();
  Click();
  EXPECT_EQ(EncoderCommands(log).size(), 3u) << "the next run converts every row again";
  EXPECT_EQ(window.Row(2).cells[3], "完成");
}

TEST_F(ConversionRun, TheEncoderIsEnsuredOncePerRunBeforeAnyRow) {
  Queue({"a.avi", "b.avi"});
  Click();
  Click();
  EXPECT_EQ(EventsStartingWith(log, "ensure"), Strings(2, "ensure /prog/quorbel.exe"));
  EXPECT_LT(IndexOf(log, "ensure /prog/quorbel.exe"), IndexOf(log, "timer 1000"));
}

TEST_F(ConversionRun, AStartAfterAStoppedRunIsNotStoppedByTheOldRequest) {
  Queue({"a.avi", "b.avi", "c.avi"});
  During(1, [&] { Click(); });
  Click();
  ASSERT_EQ(state.StopRequested, 1);
  log.clear();
  During(2, [&] {
    EXPECT_EQ(state.StopRequested, 0);
    EXPECT_EQ(state.IsConverting, 1);
  });
  Click();
  EXPECT_EQ(EncoderCommands(log).size(), 3u);
  EXPECT_TRUE(EventsStartingWith(log, "delete").empty());
  EXPECT_EQ(state.StopRequested, 0);
}

// A start after a stop runs inside the stopped run. Its first encoder ends
// the stopped run's, it converts the queue with the window's settings of the
// moment, and the stopped run then leaves alone what it converted: no row
// is converted twice, and the end of the run comes once.
TEST_F(ConversionRun, ANestedRunReplacesTheSharedStateAndTheStoppedRunThenEnds) {
  Queue({"a.avi", "b.avi", "c.avi"});
  services.failingCalls = {2};
  During(2, [&] {
    Click();  // stop
    window.format = "mkv";
    window.settings[RunWindow::SettingList::VideoCodec] = "Divx";
    state.ElapsedMs = 5000;
    services.tickCount = 200000;
    Click();  // a new start while the stopped run is still finishing
    EXPECT_EQ(state.RunStartTick, 195000) << "the nested run goes on counting";
    EXPECT_EQ(state.ElapsedMs, 0);
    EXPECT_EQ(state.StopRequested, 0);
    EXPECT_EQ(state.IsConverting, 0);
    EXPECT_EQ(window.timerInterval, 0);
    EXPECT_EQ(faces.NameOf(window.normalPicture), "START-normal");
    // The stopped run's loop then reads what its ended encoder had left in
    // the pipe.
    window.SetBarWidth(264);
  });
  Click();

  const auto commands = EncoderCommands(log);
  ASSERT_EQ(commands.size(), 5u);
  for (int nested = 2; nested < 5; ++nested) {
    EXPECT_NE(commands[static_cast<std::size_t>(nested)].find(".mkv\""), std::string::npos);
  }
  EXPECT_EQ(state.VideoCodecText, "Divx");
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(window.Row(row).cells[3], "完成");
    EXPECT_EQ(window.Row(row).icon, kDoneIcon);
    EXPECT_EQ(window.Row(row).cells[4], "12.5 KB");
  }
  // Its own unfinished output, which the nested run did not write, goes.
  EXPECT_EQ(EventsStartingWith(log, "delete"), Strings({"delete /out/b.MP4"}));
  EXPECT_EQ(EventsStartingWith(log, "done window").size(), 1u);
  EXPECT_EQ(EventsStartingWith(log, "bar width").back(), "bar width 588");
  EXPECT_EQ(EventsStartingWith(log, "bar left").back(), "bar left 52");
}

// A nested run stopped before it reached the stopped run's row leaves that
// row to it, which finishes it as a stop does.
TEST_F(ConversionRun, ARowANestedRunDidNotReachIsFinishedAsStopped) {
  Queue({"a.avi", "b.avi", "c.avi"});
  services.failingCalls = {2};
  During(2, [&] {
    Click();
    window.format = "mkv";
    Click();
  });
  During(3, [&] { Click(); });
  Click();

  EXPECT_EQ(EncoderCommands(log).size(), 3u);
  EXPECT_EQ(EventsStartingWith(log, "delete"),
            Strings({"delete /out/a.mkv", "delete /out/a.mkv", "delete /out/b.MP4"}));
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(window.Row(row).cells[3], "完成");
    EXPECT_EQ(window.Row(row).icon, kFailedIcon);
    EXPECT_EQ(window.Row(row).cells[4], "0 字节");
  }
  EXPECT_EQ(window.Row(2).cells[3], "等待");
  EXPECT_EQ(EventsStartingWith(log, "done window").size(), 1u);
  EXPECT_EQ(state.StopRequested, 1);
}

TEST_F(ConversionRun, AStoppedRunWhoseRowsWereClearedWritesNowhere) {
  Queue({"a.avi", "b.avi"});
  During(2, [&] {
    Click();
    window.rows.clear();
    Click();  // refused: the queue is empty now
  });
  Click();

  ASSERT_EQ(window.refusals.size(), 1u);
  EXPECT_EQ(window.refusals[0].text, EmptyQueueRefusal().text);
  EXPECT_EQ(window.RowCount(), 0);
  EXPECT_EQ(EncoderCommands(log).size(), 2u);
  EXPECT_EQ(EventsStartingWith(log, "delete").size(), 2u);
  EXPECT_EQ(log.back(), "done window");
}

}  // namespace
}  // namespace corvanta::fakes
