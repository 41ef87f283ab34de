#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/conversion_run.h"
#include "engine/probe_file.h"
#include "fake_encoder.h"
#include "run_fakes.h"
#include "stand_in_services.h"

namespace corvanta {
namespace {

// The stand-in copies the file named in "<input>.made" to its output (after
// "-o") and exits 0, as the carried encoder does also when what it wrote
// lacks part of its input.
constexpr const char* kStandIn =
    "out=; made=; previous=\n"
    "for argument in \"$@\"; do\n"
    "  [ \"$previous\" = -o ] && out=$argument\n"
    "  [ -f \"$argument.made\" ] && read made < \"$argument.made\"\n"
    "  previous=$argument\n"
    "done\n"
    "cp \"$made\" \"$out\"\n";

// The files' own facts, as the run reads them.
class ProbingStandInServices : public testing::StandInServices {
 public:
  using StandInServices::StandInServices;
  InputFacts ProbeInput(const std::string& path) override { return ProbeInputFile(path); }
  OutputFacts ProbeOutput(const std::string& path) override { return ProbeOutputFile(path); }
};

class OutputCheckRunTest : public testing::EncoderRunTest {
 protected:
  // `seconds` of a test picture, with a tone unless `silent`, by ffmpeg; and
  // the carried encoder's output of it, made by MEncoder itself.
  std::string Clip(const std::string& name, int seconds, bool silent) {
    const std::string clip = folder_.File(name + ".mp4");
    const std::string avi = folder_.File(name + ".avi");
    const std::string sound = silent ? "" : " -f lavfi -i sine=duration=" + std::to_string(seconds);
    const std::string make =
        "ffmpeg -v error -y -f lavfi -i testsrc=duration=" + std::to_string(seconds) +
        ":size=160x120:rate=25" + sound + " -c:v libx264 -c:a aac '" + clip + "' && " +
        "mencoder -really-quiet '" + clip + "' -srate 22050 -ofps 29.97 -vf-add harddup " +
        "-oac mp3lame -lameopts cbr:br=32:mode=0 -ovc lavc -o '" + avi + "' >/dev/null 2>&1";
    if (std::system(make.c_str()) != 0) ADD_FAILURE() << make;
    return name;
  }
  // The input `input` (a clip's name) comes out as the clip `output` did.
  void ComesOutAs(const std::string& input, const std::string& output) {
    testing::WriteFile(folder_.File(input + ".mp4.made"), folder_.File(output + ".avi") + "\n");
  }

  fakes::EventLog log;
  fakes::TestFaces faces;
  fakes::FakeRunWindow window{log, faces};
  ProbingStandInServices services{log, folder_.path()};
};

TEST_F(OutputCheckRunTest, ARowIsDoneOnlyWhenItsOutputLastsAsLongAsItsInput) {
  testing::WriteFakeEncoder(folder_, kStandIn);
  window.outputFolder = folder_.MakeFolder("out") + "/";
  Clip("three", 3, false);
  Clip("one", 1, false);
  Clip("silent", 3, true);
  window.AddRow(folder_.path() + "/", "three.mp4");
  window.AddRow(folder_.path() + "/", "silent.mp4");

  // A second of picture and sound for three, written by an encoder that
  // exits 0: the row fails, and the file stays with its size shown.
  ComesOutAs("three", "one");
  ComesOutAs("silent", "silent");
  state_.StopRequested = 0;
  state_.IsConverting = 1;
  ConvertQueue(window, services, state_, faces.Faces());

  EXPECT_EQ(window.Row(0).cells[3], "完成");
  EXPECT_EQ(window.Row(0).icon, kFailedIcon);
  EXPECT_NE(window.Row(0).cells[4], kZeroSizeText);
  EXPECT_TRUE(std::filesystem::exists(window.outputFolder + "three.MP4"));
  // A faithful conversion of an input without sound is done.
  EXPECT_EQ(window.Row(1).icon, kDoneIcon);
}

}  // namespace
}  // namespace corvanta
