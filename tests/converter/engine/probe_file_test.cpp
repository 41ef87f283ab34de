#include "engine/probe_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/temporary_folder.h"
#include "text/text_to_integer.h"

namespace corvanta {
namespace {

// Real files as ffmpeg and MEncoder write them, against what their clips
// were made to hold and what ffmpeg decodes from them.
class FileProbe : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Shell("command -v ffmpeg >/dev/null && command -v ffprobe >/dev/null")) {
      GTEST_SKIP() << "ffmpeg is not installed";
    }
  }

  static bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

  // Makes `name` with ffmpeg from a test picture (with a red square at its
  // top left) and a tone, both `seconds` long.
  std::string Make(const std::string& name, const std::string& options, int seconds = 3,
                   const std::string& picture = "size=320x240:rate=25") {
    const std::string path = folder_.File(name);
    const std::string d = std::to_string(seconds);
    EXPECT_TRUE(Shell("ffmpeg -v error -y -f lavfi -i 'testsrc=duration=" + d + ":" + picture +
                      ",drawbox=w=40:h=40:color=red:t=fill' -f lavfi -i sine=duration=" + d +
                      ":sample_rate=48000 " + options + " '" + path + "'"))
        << name;
    return path;
  }

  // What ffmpeg's own tools print.
  std::string Output(const std::string& command) {
    const std::string out = folder_.File("out.txt");
    Shell("(" + command + ") > '" + out + "'");
    return testing::ReadWholeFile(out);
  }

  // A number ffprobe gives for the file's first video or audio stream
  // ("v" or "a"), a fraction ("30/1") worked out.
  double Ffprobe(const std::string& path, const std::string& stream, const std::string& entry) {
    const std::string text =
        Output("ffprobe -v error -select_streams " + stream + ":0 -show_entries stream=" + entry +
               " -of csv=p=0 '" + path + "'");
    const std::size_t slash = text.find('/');
    return slash == std::string::npos
               ? std::stod(text)
               : std::stod(text.substr(0, slash)) / std::stod(text.substr(slash + 1));
  }

  testing::TemporaryFolder folder_;
};

void ExpectLengths(const InputFacts& facts, Container container, double video, double audio,
                   double within = 0.1) {
  EXPECT_EQ(facts.container, container);
  EXPECT_TRUE(facts.streamsKnown);
  EXPECT_NEAR(facts.video.seconds.value_or(-1), video, within);
  EXPECT_NEAR(facts.audio.seconds.value_or(-1), audio, within);
}

TEST_F(FileProbe, PhoneAndSlideshowMp4) {
  // One second each at 30, 10 and 15 fps, as phones record.
  const std::string phone = folder_.File("phone.mp4");
  ASSERT_TRUE(
      Shell("ffmpeg -v error -y -f lavfi -i testsrc=duration=1:rate=30 -f lavfi -i "
            "testsrc=duration=1:rate=10 -f lavfi -i testsrc=duration=1:rate=15 -f lavfi -i "
            "sine=duration=3 -filter_complex '[0:v][1:v][2:v]concat=n=3:v=1:a=0[v]' -map "
            "'[v]' -map 3:a -c:v libx264 -c:a aac -vsync vfr '" +
            phone + "'"));
  const InputFacts facts = ProbeInputFile(phone);
  ExpectLengths(facts, Container::IsoMedia, 3.0, 3.0);
  EXPECT_TRUE(facts.variableFrameRate);
  EXPECT_NEAR(facts.videoFrameRate, Ffprobe(phone, "v", "avg_frame_rate"), 0.5);

  const InputFacts slideshow =
      ProbeInputFile(Make("slides.mp4", "-c:v libx264 -c:a aac", 6, "size=320x240:rate=1"));
  ExpectLengths(slideshow, Container::IsoMedia, 6.0, 6.0);
  EXPECT_FALSE(slideshow.variableFrameRate);
  EXPECT_NEAR(slideshow.videoFrameRate, 1.0, 1e-6);
}

// The first picture's presentation less its decoding time, as ffprobe
// reads the first video packet; 0 for streams without reordered pictures.
TEST_F(FileProbe, ThePictureDelayIsTheFirstPicturesWaitForReorderedOnes) {
  const std::pair<std::string, std::string> files[] = {
      {"bframes.mp4", "-c:v libx264 -c:a aac"},
      {"slides.mp4", "-c:v libx264 -c:a aac -r 5"},
      {"plain.mp4", "-c:v mpeg4 -c:a aac"},
      {"bframes.dat", "-c:v libx264 -c:a aac -f mpegts"},
      {"bframes.vob", "-c:v mpeg2video -bf 2 -c:a ac3 -f vob"},
      {"bframes.flv", "-c:v libx264 -c:a aac"},
  };
  for (const auto& [name, options] : files) {
    SCOPED_TRACE(name);
    const std::string path = Make(name, options, 2);
    const std::string first = Output(
        "ffprobe -v error -select_streams v:0 -read_intervals %+#1 -show_entries "
        "packet=pts_time,dts_time -of csv=p=0 '" +
        path + "' | head -1");
    const std::size_t comma = first.find(',');
    ASSERT_NE(comma, std::string::npos) << first;
    const double delay = std::stod(first.substr(0, comma)) - std::stod(first.substr(comma + 1));
    EXPECT_NEAR(ProbeInputFile(path).pictureDelaySeconds, delay, 1e-3);
  }
}

TEST_F(FileProbe, TheTurnIsTheOneFfmpegDecodesUpright) {
  const std::string stored = folder_.File("upright.mp4");
  ASSERT_TRUE(
      Shell("ffmpeg -v error -y -f lavfi -i "
            "'color=c=white:size=320x240:rate=25:duration=1,drawbox=w=40:h=40:color=red:t=fill'"
            " -c:v libx264 -pix_fmt yuv420p '" +
            stored + "'"));
  for (const char* turn : {"90", "180", "270"}) {
    SCOPED_TRACE(turn);
    const std::string turned = folder_.File(std::string("turned") + turn + ".mp4");
    ASSERT_TRUE(Shell("ffmpeg -v error -y -i '" + stored +
                      "' -c copy -metadata:s:v:0 rotate=" + turn + " '" + turned + "'"));
    // The grey of each corner as ffmpeg shows the picture, turned as the file
    // asks: the red square is the darkest. The stored top left corner,
    // turned clockwise by the probe's degrees, lands at the top right (90),
    // the bottom right (180) or the bottom left (270).
    std::string corners;
    for (const char* crop : {"0:0", "iw-8:0", "iw-8:ih-8", "0:ih-8"}) {
      corners += Output("ffmpeg -v error -i '" + turned + "' -frames:v 1 -vf crop=8:8:" + crop +
                        ",scale=1:1 -f rawvideo -pix_fmt gray - | od -An -tu1");
    }
    std::vector<int> grey;
    for (std::size_t at = corners.find_first_not_of(" \n"); at != std::string::npos;
         at = corners.find_first_not_of(" \n", corners.find_first_of(" \n", at))) {
      grey.push_back(std::stoi(corners.substr(at)));
    }
    ASSERT_EQ(grey.size(), 4u);
    const int red = static_cast<int>(std::min_element(grey.begin(), grey.end()) - grey.begin());
    EXPECT_EQ(ProbeInputFile(turned).rotationDegrees, red * 90);
  }
  // The HEVC MOV that phones write.
  const std::string mov =
      Make("phone.mov", "-c:v libx265 -x265-params log-level=error -tag:v hvc1 -c:a aac", 1);
  ASSERT_TRUE(Shell("ffmpeg -v error -y -i '" + mov + "' -c copy -metadata:s:v:0 rotate=90 '" +
                    folder_.File("portrait.mov") + "'"));
  EXPECT_EQ(ProbeInputFile(folder_.File("portrait.mov")).rotationDegrees, 270);
}

TEST_F(FileProbe, DvdProgramStreamsAndTransportStreams) {
  const InputFacts pal =
      ProbeInputFile(Make("pal.vob", "-target pal-dvd", 3, "size=720x576:rate=25"));
  ExpectLengths(pal, Container::MpegProgramStream, 3.0, 3.0);
  EXPECT_NEAR(pal.videoFrameRate, 25, 1e-6);
  const InputFacts ntsc =
      ProbeInputFile(Make("ntsc.mpg", "-target ntsc-dvd", 3, "size=720x480:rate=30000/1001"));
  ExpectLengths(ntsc, Container::MpegProgramStream, 3.0, 3.0);
  EXPECT_NEAR(ntsc.videoFrameRate, 30000 / 1001.0, 1e-3);

  // A PES of AAC holds several frames: the sound's end is known to one PES.
  const InputFacts h264 = ProbeInputFile(Make("h264.dat", "-c:v libx264 -c:a aac -f mpegts"));
  ExpectLengths(h264, Container::MpegTransportStream, 3.0, 3.0, 0.3);
  EXPECT_EQ(h264.transportPacketSize, 188);
  EXPECT_TRUE(h264.avcVideo);
  const InputFacts mpeg2 = ProbeInputFile(Make("mpeg2.ts", "-c:v mpeg2video -c:a mp2 -f mpegts"));
  ExpectLengths(mpeg2, Container::MpegTransportStream, 3.0, 3.0);
  EXPECT_FALSE(mpeg2.avcVideo);
  const InputFacts m2ts =
      ProbeInputFile(Make("h264.m2ts", "-c:v libx264 -c:a aac -f mpegts -mpegts_m2ts_mode 1"));
  ExpectLengths(m2ts, Container::MpegTransportStream, 3.0, 3.0, 0.3);
  EXPECT_EQ(m2ts.transportPacketSize, 192);
}

TEST_F(FileProbe, OtherContainers) {
  ExpectLengths(ProbeInputFile(Make("a.flv", "-c:v flv1 -c:a libmp3lame -ar 44100")),
                Container::Flv, 3.0, 3.0);
  ExpectLengths(ProbeInputFile(Make("a.rmvb", "-c:v rv20 -c:a ac3 -f rm")), Container::RealMedia,
                3.0, 3.0);
  const InputFacts avi = ProbeInputFile(Make("a.avi", "-c:v mpeg4 -c:a libmp3lame"));
  ExpectLengths(avi, Container::Avi, 3.0, 3.0);
  EXPECT_TRUE(avi.aviEmptyVideoChunk);  // ffmpeg's muxer writes one as chunk 2
  for (const auto& [name, container] :
       {std::pair{"a.mkv", Container::Matroska}, std::pair{"a.wmv", Container::Asf}}) {
    const InputFacts facts = ProbeInputFile(Make(name, ""));
    EXPECT_EQ(facts.container, container);
    EXPECT_TRUE(facts.streamsKnown && facts.video.present && facts.audio.present);
    EXPECT_NEAR(facts.overallSeconds.value_or(0), 3.0, 0.1);
  }
}

TEST_F(FileProbe, MencoderOutputsAgainstWhatFfmpegDecodes) {
  const std::string clip = Make("clip.mp4", "-c:v libx264 -c:a aac");
  const std::string encode = "/usr/bin/mencoder -really-quiet '" + clip +
                             "' -srate 44100 -vf-add scale=320:240 -ofps 30 -ovc lavc -lavcopts "
                             "vcodec=mpeg4:vbitrate=500 ";
  for (const std::string audio :
       {"-oac mp3lame -lameopts cbr:br=64:mode=0", "-oac twolame -twolameopts br=128"}) {
    SCOPED_TRACE(audio);
    const std::string output = folder_.File("out.avi");
    ASSERT_TRUE(Shell(encode + audio + " -o '" + output + "' >/dev/null 2>&1"));
    const OutputFacts facts = ProbeOutputFile(output);
    ASSERT_TRUE(facts.complete);
    EXPECT_NEAR(facts.video.seconds.value_or(0), Ffprobe(output, "v", "duration"), 1e-3);
    // ffprobe gives no length for MP3 at a constant rate: count what decodes.
    const std::string bytes =
        Output("ffmpeg -v error -i '" + output + "' -map 0:a -f s16le -ac 1 -ar 44100 - | wc -c");
    EXPECT_NEAR(facts.audio.seconds.value_or(0), TextToInteger(bytes) / 2 / 44100.0, 0.03);
  }
  // A full disk, as a file size limit: MEncoder still exits 0.
  const std::string cut = folder_.File("cut.avi");
  ASSERT_TRUE(Shell("trap '' XFSZ; ulimit -f 100; " + encode +
                    "-oac mp3lame -lameopts cbr:br=64:mode=0 -o '" + cut + "' >/dev/null 2>&1"));
  const OutputFacts facts = ProbeOutputFile(cut);
  EXPECT_TRUE(facts.avi);
  EXPECT_FALSE(facts.complete);
}

TEST_F(FileProbe, OnlyRegularFilesAreRead) {
  EXPECT_EQ(ProbeInputFile("/nonexistent/a.avi").container, Container::Unknown);
  EXPECT_EQ(ProbeInputFile(folder_.MakeFolder("folder.avi")).container, Container::Unknown);
  EXPECT_FALSE(ProbeOutputFile("/nonexistent/a.avi").avi);
  // A named pipe with no writer: opening it must not wait for one.
  const std::string fifo = folder_.File("queued.avi");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ProbeInputFile(fifo).container, Container::Unknown);
  EXPECT_FALSE(ProbeOutputFile(fifo).avi);
}

}  // namespace
}  // namespace corvanta
