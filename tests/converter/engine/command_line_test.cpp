#include "engine/command_line.h"

#include <gtest/gtest.h>

#include "text/command_line_split.h"

namespace corvanta {
namespace {

const std::string kMp3Options =
    " -srate 22050 -vf-add scale=320:240 -ofps 29.97 -oac mp3lame -lameopts cbr:br=32:mode=0 ";
const std::string kXvidOptions = "-ovc xvid -xvidencopts bitrate=500:threads=2 ";

std::string DefaultAudio(std::string_view codec, std::string_view bitrate = "32") {
  return BuildAudioOptions(codec, "22050", "320:240", "29.97", bitrate);
}

TEST(CommandLine, WorkedExampleWithTheFirstItemOfEveryList) {
  EXPECT_EQ(DefaultAudio("MP3"), kMp3Options);
  EXPECT_EQ(BuildVideoOptions("XVID", "500"), kXvidOptions);
  EXPECT_EQ(ReplaceExtension("a.avi", "MP4"), "a.MP4");
  const std::string output = BuildOutputPath("/e/out/", "a.avi", "MP4");
  EXPECT_EQ(output, "/e/out/a.MP4");
  EXPECT_EQ(BuildCommandLine("/d/v/a.avi", kMp3Options, kXvidOptions, output),
            "quorbel.exe \"/d/v/a.avi\" -srate 22050 -vf-add scale=320:240 -ofps 29.97 -oac "
            "mp3lame -lameopts cbr:br=32:mode=0 -ovc xvid -xvidencopts bitrate=500:threads=2 -o "
            "\"/e/out/a.MP4\"");
}

TEST(CommandLine, EachAudioCodecHasItsOwnLiterals) {
  EXPECT_EQ(DefaultAudio("aac", "64"),
            " -srate 22050 -vf-add scale=320:240 -ofps 29.97 -oac faac -faacopts "
            "br=64:mpeg=4:object=2 ");
  const std::string mp2 = DefaultAudio("MP2", "128");
  EXPECT_EQ(mp2,
            " -srate 22050 -vf-add scale=320:240 -ofps 29.97 -oac lavc -lavcopts "
            "acodec=mp2:abitrate=128 ");
}

TEST(CommandLine, CodecNamesCompareExactly) {
  EXPECT_EQ(DefaultAudio("mp3"), "");
  EXPECT_EQ(DefaultAudio(""), "");
  EXPECT_EQ(BuildVideoOptions("xvid", "500"), "");
  EXPECT_EQ(BuildVideoOptions("X264", "500"), "");
}

TEST(CommandLine, EachVideoCodecHasItsOwnLiteral) {
  EXPECT_EQ(BuildVideoOptions("x264", "650"),
            " -ovc x264 -ffourcc H264 -x264encopts bitrate=650:threads=2 ");
  EXPECT_EQ(BuildVideoOptions("Divx", "850"),
            " -ovc lavc -ffourcc DIVX -lavcopts vcodec=mpeg4:vbitrate=850:threads=2 ");
  EXPECT_EQ(BuildVideoOptions("mpeg1", "1000"),
            " -ovc lavc -lavcopts vcodec=mpeg1video:vbitrate=1000:threads=2 ");
}

TEST(CommandLine, BlanksBetweenAudioAndVideoOptions) {
  const auto x264 = BuildCommandLine("/i", kMp3Options, BuildVideoOptions("x264", "500"), "/o");
  EXPECT_NE(x264.find(":mode=0  -ovc x264"), std::string::npos);
  const auto xvid = BuildCommandLine("/i", kMp3Options, kXvidOptions, "/o");
  EXPECT_NE(xvid.find(":mode=0 -ovc xvid"), std::string::npos);
}

TEST(CommandLine, UnmatchedCodecsDropTheirOptions) {
  EXPECT_EQ(BuildCommandLine("/v/a.avi", DefaultAudio("mp3"), kXvidOptions, "/o/a.MP4"),
            "quorbel.exe \"/v/a.avi\"-ovc xvid -xvidencopts bitrate=500:threads=2 -o \"/o/a.MP4\"");
  EXPECT_EQ(BuildCommandLine("/v/a.avi", kMp3Options, BuildVideoOptions("h265", "1"), "/o/a.MP4"),
            "quorbel.exe \"/v/a.avi\"" + kMp3Options + "-o \"/o/a.MP4\"");
  EXPECT_EQ(BuildCommandLine("/v/a.avi", "", "", "/o/a.MP4"),
            "quorbel.exe \"/v/a.avi\"-o \"/o/a.MP4\"");
}

TEST(ReplaceExtension, KeepsEverythingUpToTheLastDot) {
  EXPECT_EQ(ReplaceExtension("a.b.avi", "MP4"), "a.b.MP4");
  EXPECT_EQ(ReplaceExtension("a.", "MP4"), "a.MP4");
  EXPECT_EQ(ReplaceExtension("clip", "MP4"), "MP4");
  EXPECT_EQ(ReplaceExtension("a.avi", ""), "a.");
  EXPECT_EQ(ReplaceExtension("视频.片段.wmv", "mkv"), "视频.片段.mkv");
  EXPECT_EQ(BuildOutputPath("/o/", "clip", "MP4"), "/o/MP4");
}

TEST(CommandLine, EncoderPathIsTheProgramFolderAndItsFileName) {
  EXPECT_EQ(EncoderPath("/opt/corvanta"), "/opt/corvanta/quorbel.exe");
}

TEST(CommandLine, EveryPathSplitsBackByteForByte) {
  for (const std::string path :
       {"/v/with blank.avi", "/v/quote\"d.avi", "/v/\" -o \"/tmp/evil.avi", "/v/back\\slash.avi",
        "/v/ends\\", "/视频/中文 名.mkv", "/v/-leading.avi", "-o"}) {
    const auto line = BuildCommandLine(path, kMp3Options, kXvidOptions, path + ".MP4");
    const auto args = SplitCommandLine(line);
    ASSERT_GE(args.size(), 3u) << line;
    EXPECT_EQ(args.front(), "quorbel.exe");
    EXPECT_EQ(args[1], path) << line;
    EXPECT_EQ(args[args.size() - 2], "-o") << line;
    EXPECT_EQ(args.back(), path + ".MP4") << line;
  }
}

TEST(CommandLine, SettingsSplitIntoTheEncodersOptions) {
  const auto args =
      SplitCommandLine(BuildCommandLine("/i.avi", kMp3Options, kXvidOptions, "/o.MP4"));
  const std::vector<std::string> expected{
      "quorbel.exe", "/i.avi",        "-srate",       "22050",
      "-vf-add",     "scale=320:240", "-ofps",        "29.97",
      "-oac",        "mp3lame",       "-lameopts",    "cbr:br=32:mode=0",
      "-ovc",        "xvid",          "-xvidencopts", "bitrate=500:threads=2",
      "-o",          "/o.MP4"};
  EXPECT_EQ(args, expected);
}

}  // namespace
}  // namespace corvanta
