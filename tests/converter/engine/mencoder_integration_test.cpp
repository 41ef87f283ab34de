#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>
#include <cstdlib>

#include "engine/command_line.h"
#include "engine/encoder_run.h"
#include "engine/progress_parser.h"
#include "fake_encoder.h"
#include "text/text_to_integer.h"

namespace corvanta {
namespace {

constexpr const char* kMencoder = "/usr/bin/mencoder";

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

// The real encoder, under its shipped name, beside a three-second clip with
// a picture and a tone (MP3 audio needs a sound track to encode). The clip is
// an MP4: MEncoder's own AVI reader freezes the picture of AVIs with gaps.
class MencoderRun : public testing::EncoderRunTest {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kMencoder) || !Shell("command -v ffmpeg >/dev/null 2>&1")) {
      GTEST_SKIP() << "mencoder or ffmpeg is not installed";
    }
    ASSERT_TRUE(
        Shell("cd '" + folder_.path() +
              "' && ffmpeg -loglevel error -f lavfi -i testsrc=duration=3:size=320x240:rate=25"
              " -f lavfi -i sine=frequency=440:duration=3 -c:v mpeg4 -c:a aac -shortest"
              " clip.mp4"));
    std::filesystem::copy_file(kMencoder, folder_.File(kEncoderFileName));
    EncoderRunTest::SetUp();
  }

  std::string CommandLine() const {
    return BuildCommandLine(folder_.File("clip.mp4"),
                            BuildAudioOptions("MP3", "44100", "320:240", "25", "128"),
                            BuildVideoOptions("Divx", "800"), OutputPath());
  }
  std::string OutputPath() const {
    return BuildOutputPath(folder_.path() + "/", "clip.mp4", "avi");
  }

  int DecodedFrames() const {
    const std::string counted = folder_.File("frames.txt");
    Shell(
        "ffprobe -v error -select_streams v:0 -count_frames -show_entries stream=nb_read_frames"
        " -of default=nw=1:nk=1 '" +
        OutputPath() + "' > '" + counted + "'");
    return TextToInteger(testing::ReadWholeFile(counted));
  }
};

TEST_F(MencoderRun, ConvertsTheClipWhileTheBarFollowsThePercentage) {
  RunEncoder(EncoderPath(folder_.path()), CommandLine(), display_, state_);

  ASSERT_GE(display_.writes.size(), 7u);
  EXPECT_EQ(display_.writes.front(), "left 56");
  const std::vector<std::string> end(display_.writes.end() - 2, display_.writes.end());
  EXPECT_EQ(end, (std::vector<std::string>{"color c89123", "text 0%"}));

  // The last status line seen sets the bar's final width.
  const std::string lastText = display_.writes[display_.writes.size() - 3];
  const std::string lastWidth = display_.writes[display_.writes.size() - 4];
  ASSERT_TRUE(lastText.starts_with("text "));
  const int lastPercent = TextToInteger(lastText.substr(5));
  EXPECT_GE(lastPercent, 90);
  EXPECT_EQ(lastWidth, "width " + std::to_string(ProgressBarWidth(lastPercent)));
  EXPECT_EQ(display_.width(), ProgressBarWidth(lastPercent));

  ASSERT_TRUE(std::filesystem::exists(OutputPath()));
  EXPECT_GT(std::filesystem::file_size(OutputPath()), 10000u);
  EXPECT_GE(DecodedFrames(), 70);
}

TEST_F(MencoderRun, StopEndsTheEncoderBeforeItFinishes) {
  // Slow the encoder down so that the stop lands mid-run.
  const std::string line = BuildCommandLine(
      folder_.File("clip.mp4"), BuildAudioOptions("MP3", "44100", "1920:1080", "25", "128"),
      BuildVideoOptions("x264", "8000"), OutputPath());
  bool sawProgress = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (display_.color() == kProgressGreen) {
      sawProgress = true;
      state_.StopRequested = 1;
    }
  });
  poll.start(1);
  RunEncoder(EncoderPath(folder_.path()), line, display_, state_);
  EXPECT_TRUE(sawProgress);
  EXPECT_EQ(display_.color(), kProgressBlue);
  EXPECT_EQ(display_.text(), "0%");
  EXPECT_LT(display_.width(), ProgressBarWidth(100));
}

}  // namespace
}  // namespace corvanta
