#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probe_bytes.h"

namespace corvanta::testing {
namespace {

std::string Box(const std::string& type, const std::string& payload) {
  return BigEndian(8 + payload.size(), 4) + type + payload;
}
std::string U32(std::uint64_t value) { return BigEndian(value, 4); }

// Version-0 boxes with the fields the probe reads; the rest zero.
std::string MovieHeader(std::uint32_t timescale, std::uint32_t duration) {
  return Box("mvhd",
             std::string(12, '\0') + U32(timescale) + U32(duration) + std::string(80, '\0'));
}
std::string TrackHeader(std::uint32_t duration, const std::vector<std::int32_t>& abcd) {
  const std::string matrix =
      U32(static_cast<std::uint32_t>(abcd[0])) + U32(static_cast<std::uint32_t>(abcd[1])) + U32(0) +
      U32(static_cast<std::uint32_t>(abcd[2])) + U32(static_cast<std::uint32_t>(abcd[3])) + U32(0) +
      U32(0) + U32(0) + U32(0x40000000);
  return Box("tkhd", std::string(20, '\0') + U32(duration) + std::string(16, '\0') + matrix +
                         std::string(8, '\0'));
}
std::string Edits(const std::vector<std::pair<std::uint32_t, std::int32_t>>& edits) {
  std::string entries;
  for (const auto& [duration, mediaTime] : edits) {
    entries += U32(duration) + U32(static_cast<std::uint32_t>(mediaTime)) + U32(0x10000);
  }
  return Box("edts", Box("elst", U32(0) + U32(edits.size()) + entries));
}
std::string SampleTimes(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& runs) {
  std::string entries;
  for (const auto& [count, delta] : runs) entries += U32(count) + U32(delta);
  return Box("stts", U32(0) + U32(runs.size()) + entries);
}

struct TrackSpec {
  std::string handler = "vide";
  std::uint32_t duration = 10'000;  // milliseconds, the movie's timescale
  std::vector<std::int32_t> matrix = {0x10000, 0, 0, 0x10000};
  std::uint32_t mediaTimescale = 90'000;
  std::uint32_t mediaDuration = 900'000;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> samples = {{250, 3600}};
  std::string edits;
};

std::string Track(const TrackSpec& t) {
  const std::string media =
      Box("mdhd", std::string(12, '\0') + U32(t.mediaTimescale) + U32(t.mediaDuration) + U32(0)) +
      Box("hdlr", U32(0) + U32(0) + t.handler + std::string(12, '\0')) +
      Box("minf", Box("stbl", Box("stsd", U32(0) + U32(0)) + SampleTimes(t.samples)));
  return Box("trak", TrackHeader(t.duration, t.matrix) + t.edits + Box("mdia", media));
}

std::string Movie(const std::vector<TrackSpec>& tracks) {
  std::string body = MovieHeader(1000, 10'000);
  for (const TrackSpec& track : tracks) body += Track(track);
  return Box("moov", body);
}

const std::string kFileType = Box("ftyp", "isom" + U32(512) + "isomiso2avc1mp41");

TEST(IsoMedia, TurnsThePictureAsTheDisplayMatrixSays) {
  constexpr std::int32_t kOne = 0x10000;
  const std::vector<std::pair<std::vector<std::int32_t>, int>> cases = {
      {{kOne, 0, 0, kOne}, 0},     {{0, kOne, -kOne, 0}, 90},  // ffprobe: rotation of -90 degrees
      {{-kOne, 0, 0, -kOne}, 180}, {{0, -kOne, kOne, 0}, 270},
      {{-kOne, 0, 0, kOne}, 0},  // a mirror is no turn
  };
  for (const auto& [matrix, degrees] : cases) {
    TrackSpec video;
    video.matrix = matrix;
    EXPECT_EQ(ProbeBytes(kFileType + Movie({video})).rotationDegrees, degrees) << degrees;
  }
}

TEST(IsoMedia, FrameRateVariesOnlyBeyondTimestampRounding) {
  struct Case {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> samples;
    std::uint32_t timescale;
    bool variable;
    double rate;  // 0: not checked
  };
  const std::vector<Case> cases = {
      {{{250, 3600}}, 90'000, false, 25},
      // 30 fps in milliseconds; a camera's jitter; a last sample of its own.
      {{{1, 33}, {2, 34}, {1, 33}, {2, 34}}, 1000, false, 0},
      {{{100, 3000}, {1, 3010}, {100, 2995}}, 90'000, false, 0},
      {{{299, 3000}, {1, 9000}}, 90'000, false, 0},
      // Clips joined: one longer sample at each join.
      {{{249, 512}, {1, 581}, {249, 512}, {1, 580}, {250, 512}}, 12'800, false, 0},
      // Sections at 30, 10 and 15 fps, as a phone records.
      {{{90, 3000}, {30, 9000}, {45, 6000}}, 90'000, true, 165 / 9.0},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    TrackSpec video;
    video.samples = cases[i].samples;
    video.mediaTimescale = cases[i].timescale;
    const InputFacts facts = ProbeBytes(kFileType + Movie({video}));
    EXPECT_EQ(facts.variableFrameRate, cases[i].variable) << i;
    if (cases[i].rate > 0) {
      EXPECT_NEAR(facts.videoFrameRate, cases[i].rate, 1e-9) << i;
    }
  }
}

TEST(IsoMedia, EachTrackLastsAsItsHeaderSays) {
  TrackSpec video;
  video.edits = Edits({{80, -1}, {9'000, 0}});  // starts 80 ms late
  video.duration = 9'080;
  TrackSpec audio;
  audio.handler = "soun";
  audio.duration = 0;  // unset: the media header's length counts
  audio.mediaTimescale = 48'000;
  audio.mediaDuration = 480'000;
  TrackSpec hint;
  hint.handler = "hint";
  const InputFacts facts = ProbeBytes(kFileType + Movie({hint, video, audio}));
  EXPECT_EQ(facts.container, Container::IsoMedia);
  EXPECT_TRUE(facts.streamsKnown);
  ASSERT_TRUE(facts.video.present && facts.audio.present);
  EXPECT_DOUBLE_EQ(facts.video.seconds.value_or(0), 9.0);
  EXPECT_DOUBLE_EQ(facts.audio.seconds.value_or(0), 10.0);
  EXPECT_DOUBLE_EQ(facts.overallSeconds.value_or(0), 10.0);

  const InputFacts silent = ProbeBytes(kFileType + Movie({TrackSpec{}}));
  EXPECT_TRUE(silent.video.present);
  EXPECT_FALSE(silent.audio.present);
}

TEST(IsoMedia, FindsTheMovieBoxBehindTheMediaDataAndSurvivesDamagedBoxes) {
  const std::string moov = Movie({TrackSpec{}});
  const std::string media(100'000, 'x');
  // A 64-bit size, and old QuickTime files that begin with "wide" or "mdat".
  const std::string large = BigEndian(1, 4) + "mdat" + BigEndian(16 + media.size(), 8) + media;
  for (const std::string& file :
       {kFileType + large + moov, Box("wide", "") + Box("mdat", media) + moov,
        Box("mdat", media) + moov}) {
    const InputFacts facts = ProbeBytes(file);
    EXPECT_EQ(facts.container, Container::IsoMedia);
    EXPECT_TRUE(facts.streamsKnown);
    EXPECT_DOUBLE_EQ(facts.video.seconds.value_or(0), 10.0);
  }

  // Boxes whose sizes stop the walk: 0 (to the end, so the movie box after
  // it is never reached), smaller than a header, or past the end.
  const std::string toEnd = U32(0) + "mdat" + media + moov;
  const std::string tooSmall = kFileType + U32(4) + "free" + moov;
  std::string pastEnd = kFileType + moov;
  pastEnd.replace(kFileType.size(), 4, U32(0x7FFFFFF0));  // the movie box claims more
  EXPECT_FALSE(ProbeBytes(toEnd).streamsKnown);
  EXPECT_FALSE(ProbeBytes(tooSmall).streamsKnown);
  EXPECT_TRUE(ProbeBytes(pastEnd).streamsKnown);
  // Cut anywhere, the file gives what it still holds, and never a variable
  // rate from a sample table read in part.
  TrackSpec audio;
  audio.handler = "soun";
  TrackSpec video;
  video.samples = {{90, 3000}, {30, 9000}};
  const std::string whole = kFileType + Movie({video, audio});
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    const InputFacts facts = ProbeBytes(whole.substr(0, cut));
    if (facts.audio.present) {
      EXPECT_TRUE(facts.video.present && facts.variableFrameRate) << cut;
    }
  }
}

}  // namespace
}  // namespace corvanta::testing
