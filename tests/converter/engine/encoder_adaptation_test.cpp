#include "engine/encoder_adaptation.h"

#include <gtest/gtest.h>

#include "engine/command_line.h"
#include "text/command_line_split.h"

namespace corvanta {
namespace {

using Arguments = std::vector<std::string>;

Arguments Split(const std::string& audio, const std::string& video) {
  return SplitCommandLine(BuildCommandLine("/in/a.avi", audio, video, "/out/a.MP4"));
}

Arguments Adapt(const Arguments& arguments, bool emptyChunk = false) {
  return AdaptForCarriedEncoder(arguments, EncoderInput{emptyChunk});
}

TEST(EncoderAdaptation, RewritesOnlyWhatTheCarriedBuildCannotRun) {
  struct Case {
    std::string audio;
    std::string video;
    Arguments expected;
  };
  const Arguments in{"quorbel.exe", "/in/a.avi", "-srate", "44100", "-vf-add", "scale=320:240"};
  const Arguments out{"-o", "/out/a.MP4"};
  auto join = [](std::initializer_list<Arguments> parts) {
    Arguments all;
    for (const Arguments& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  };
  const std::vector<Case> cases = {
      {BuildAudioOptions("MP2", "44100", "320:240", "30", "128"), BuildVideoOptions("XVID", "500"),
       join({in,
             {"-ofps", "30", "-oac", "twolame", "-twolameopts", "br=128"},
             {"-ovc", "xvid", "-xvidencopts", "bitrate=500:threads=2"},
             out})},
      {BuildAudioOptions("MP3", "44100", "320:240", "29.97", "64"),
       BuildVideoOptions("mpeg1", "650"),
       join({in,
             {"-ofps", "30000/1001", "-oac", "mp3lame", "-lameopts", "cbr:br=64:mode=0"},
             {"-ovc", "lavc", "-lavcopts", "vcodec=mpeg1video:vbitrate=650:threads=2"},
             out})},
      {BuildAudioOptions("MP2", "44100", "320:240", "29.97", "320"),
       BuildVideoOptions("Divx", "850"),
       join({in,
             {"-ofps", "29.97", "-oac", "twolame", "-twolameopts", "br=320"},
             {"-ovc", "lavc", "-ffourcc", "DIVX", "-lavcopts",
              "vcodec=mpeg4:vbitrate=850:threads=2"},
             out})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.audio + c.video);
    EXPECT_EQ(Adapt(Split(c.audio, c.video)), c.expected);
  }
}

TEST(EncoderAdaptation, EveryOtherOfferedCommandLinePassesUnchanged) {
  int unchanged = 0;
  for (const char* video : {"XVID", "x264", "Divx", "mpeg1", ""}) {
    for (const char* rate : {"29.97", "30", "32", "34", "35"}) {
      for (const char* audio : {"MP3", "aac", ""}) {
        const Arguments arguments = Split(BuildAudioOptions(audio, "48000", "1280:720", rate, "96"),
                                          BuildVideoOptions(video, "1600"));
        if (std::string(video) == "mpeg1" && std::string(rate) == "29.97") continue;
        EXPECT_EQ(Adapt(arguments), arguments) << video << " " << rate << " " << audio;
        ++unchanged;
      }
    }
  }
  EXPECT_EQ(unchanged, 72);
}

TEST(EncoderAdaptation, AviWithAnEmptyVideoChunkIsReadByFfmpegsDemuxer) {
  const Arguments arguments = Split(BuildAudioOptions("MP3", "22050", "320:240", "30", "32"),
                                    BuildVideoOptions("x264", "500"));
  Arguments expected = arguments;
  expected.insert(expected.begin() + 1,
                  {"-demuxer", "lavf", "-lavfdopts", "o=fflags=+genpts", "-mc", "0.1"});
  EXPECT_EQ(Adapt(arguments, true), expected);
  EXPECT_EQ(Adapt({}, true), Arguments{});
}

TEST(EncoderAdaptation, ProbesTheInputNamedByTheCommandLine) {
  // A path that is no AVI, or no file at all, keeps the command line as built.
  const std::string line = BuildCommandLine(
      "/nonexistent/a.avi", BuildAudioOptions("MP3", "22050", "320:240", "30", "32"),
      BuildVideoOptions("XVID", "500"), "/out/a.MP4");
  EXPECT_EQ(CarriedEncoderArguments(line), SplitCommandLine(line));
  EXPECT_EQ(CarriedEncoderArguments("quorbel.exe"), Arguments{"quorbel.exe"});
}

}  // namespace
}  // namespace corvanta
