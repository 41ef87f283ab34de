#include "engine/encoder_adaptation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/command_line.h"
#include "text/command_line_split.h"

namespace corvanta {
namespace {

using Arguments = std::vector<std::string>;

Arguments Split(const std::string& audio, const std::string& video) {
  return SplitCommandLine(BuildCommandLine("/in/a.avi", audio, video, "/out/a.MP4"));
}

Arguments Join(std::initializer_list<Arguments> parts) {
  Arguments all;
  for (const Arguments& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Arguments kOutput{"-o", "/out/a.MP4"};

InputFacts Facts(
    Container container, void (*set)(InputFacts&) = [](InputFacts&) {}) {
  InputFacts facts;
  facts.container = container;
  set(facts);
  return facts;
}

TEST(EncoderAdaptation, EveryConversionEncodesRepeatsAndHoldsItsSoundToThePicture) {
  struct Case {
    std::string audio;
    std::string video;
    Arguments expected;
  };
  const std::vector<Case> cases = {
      {BuildAudioOptions("MP3", "22050", "320:240", "29.97", "32"),
       BuildVideoOptions("XVID", "500"),
       Join({{"quorbel.exe", "/in/a.avi", "-audio-delay", "-0.21",
              "-srate",      "22050",     "-vf-add",      "scale=320:240",
              "-vf-add",     "harddup",   "-ofps",        "29.97",
              "-oac",        "mp3lame",   "-lameopts",    "cbr:br=32:mode=0",
              "-ovc",        "xvid",      "-xvidencopts", "bitrate=500:threads=2"},
             kOutput})},
      {BuildAudioOptions("MP3", "48000", "1280:720", "35", "64"), BuildVideoOptions("x264", "1600"),
       Join({{"quorbel.exe",  "/in/a.avi",
              "-audio-delay", "-0.16",
              "-srate",       "48000",
              "-vf-add",      "scale=1280:720",
              "-vf-add",      "harddup",
              "-ofps",        "35",
              "-oac",         "mp3lame",
              "-lameopts",    "cbr:br=64:mode=0",
              "-ovc",         "x264",
              "-ffourcc",     "H264",
              "-x264encopts", "bitrate=1600:threads=2"},
             kOutput})},
      // MP2 is written by twolame, MPEG-1 at the exact NTSC rate.
      {BuildAudioOptions("MP2", "44100", "320:240", "29.97", "128"),
       BuildVideoOptions("mpeg1", "650"),
       Join({{"quorbel.exe",  "/in/a.avi",
              "-audio-delay", "-0.08",
              "-srate",       "44100",
              "-vf-add",      "scale=320:240",
              "-vf-add",      "harddup",
              "-ofps",        "30000/1001",
              "-oac",         "twolame",
              "-twolameopts", "br=128",
              "-ovc",         "lavc",
              "-lavcopts",    "vcodec=mpeg1video:vbitrate=650:threads=2"},
             kOutput})},
      {BuildAudioOptions("MP3", "32000", "640:480", "30", "320"), BuildVideoOptions("Divx", "850"),
       Join({{"quorbel.exe",  "/in/a.avi",
              "-audio-delay", "-0.13",
              "-srate",       "32000",
              "-vf-add",      "scale=640:480",
              "-vf-add",      "harddup",
              "-ofps",        "30",
              "-oac",         "mp3lame",
              "-lameopts",    "cbr:br=320:mode=0",
              "-ovc",         "lavc",
              "-ffourcc",     "DIVX",
              "-lavcopts",    "vcodec=mpeg4:vbitrate=850:threads=2"},
             kOutput})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.audio + c.video);
    EXPECT_EQ(AdaptForCarriedEncoder(Split(c.audio, c.video), {}), c.expected);
  }
}

TEST(EncoderAdaptation, APictureHeldBackForReorderingHoldsTheSoundBackToo) {
  const Arguments arguments = Split(BuildAudioOptions("MP3", "22050", "320:240", "29.97", "32"),
                                    BuildVideoOptions("XVID", "500"));
  const std::pair<double, const char*> delays[] = {{0.08, "-0.13"}, {0.4, "0.19"}, {0.21, ""}};
  for (const auto& [seconds, expected] : delays) {
    InputFacts input;
    input.pictureDelaySeconds = seconds;
    const Arguments adapted = AdaptForCarriedEncoder(arguments, input);
    const auto at = std::find(adapted.begin(), adapted.end(), "-audio-delay");
    EXPECT_EQ(at == adapted.end() ? "" : *(at + 1), expected) << seconds;
  }
}

TEST(EncoderAdaptation, OnlyWhatTheCommandLineHoldsIsAdapted) {
  // An unknown audio codec drops the frame rate and the scaling too.
  const Arguments silent = Split("", BuildVideoOptions("XVID", "500"));
  EXPECT_EQ(AdaptForCarriedEncoder(silent, {}), silent);
  // Nothing was measured for aac, which this build cannot write.
  const Arguments aac = Split(BuildAudioOptions("aac", "48000", "320:240", "30", "96"),
                              BuildVideoOptions("XVID", "500"));
  Arguments expected = aac;
  expected.insert(expected.begin() + 6, {"-vf-add", "harddup"});
  EXPECT_EQ(AdaptForCarriedEncoder(aac, {}), expected);
  EXPECT_EQ(AdaptForCarriedEncoder({}, Facts(Container::MpegProgramStream,
                                             [](InputFacts& f) { f.rotationDegrees = 90; })),
            Arguments{});
}

TEST(EncoderAdaptation, FilesTheOwnDemuxersMisreadGoToFfmpegs) {
  const Arguments plain = Split("", BuildVideoOptions("XVID", "500"));
  Arguments viaFfmpeg = plain;
  viaFfmpeg.insert(viaFfmpeg.begin() + 1,
                   {"-demuxer", "lavf", "-lavfdopts", "o=fflags=+genpts", "-mc", "0.1"});
  const InputFacts misread[] = {
      Facts(Container::Avi, [](InputFacts& f) { f.aviEmptyVideoChunk = true; }),
      Facts(Container::MpegProgramStream),
      Facts(Container::MpegTransportStream, [](InputFacts& f) { f.avcVideo = true; }),
      Facts(Container::IsoMedia, [](InputFacts& f) { f.variableFrameRate = true; }),
  };
  for (const InputFacts& input : misread) {
    EXPECT_EQ(AdaptForCarriedEncoder(plain, input), viaFfmpeg);
  }
  const InputFacts readRight[] = {
      Facts(Container::Unknown),
      Facts(Container::Avi),
      Facts(Container::MpegTransportStream),
      Facts(Container::IsoMedia),
      Facts(Container::Matroska, [](InputFacts& f) { f.variableFrameRate = true; }),
  };
  for (const InputFacts& input : readRight) {
    EXPECT_EQ(AdaptForCarriedEncoder(plain, input), plain);
  }
}

TEST(EncoderAdaptation, AVariableRateIsSpacedByItsAverage) {
  const Arguments plain = Split("", BuildVideoOptions("XVID", "500"));
  InputFacts phone = Facts(Container::IsoMedia, [](InputFacts& f) { f.variableFrameRate = true; });
  phone.videoFrameRate = 2200 / 119.0;
  const Arguments adapted = AdaptForCarriedEncoder(plain, phone);
  ASSERT_EQ(adapted.size(), plain.size() + 8);
  EXPECT_EQ(Arguments(adapted.begin() + 8, adapted.begin() + 10), (Arguments{"-fps", "18.487"}));
  phone.variableFrameRate = false;
  EXPECT_EQ(AdaptForCarriedEncoder(plain, phone), plain);
}

TEST(EncoderAdaptation, APortraitPictureIsTurnedUprightBeforeItIsScaled) {
  const Arguments plain = Split("", BuildVideoOptions("XVID", "500"));
  const std::pair<int, const char*> turns[] = {
      {90, "rotate=1"}, {180, "flip,mirror"}, {270, "rotate=2"}};
  for (const auto& [degrees, filter] : turns) {
    Arguments expected = plain;
    expected.insert(expected.begin() + 2, {"-vf-pre", filter});
    InputFacts turned;
    turned.rotationDegrees = degrees;
    EXPECT_EQ(AdaptForCarriedEncoder(plain, turned), expected) << degrees;
  }
  for (int degrees : {0, 45, -90, 360}) {
    InputFacts turned;
    turned.rotationDegrees = degrees;
    EXPECT_EQ(AdaptForCarriedEncoder(plain, turned), plain) << degrees;
  }
}

}  // namespace
}  // namespace corvanta
