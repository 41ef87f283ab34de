#include "probes/iso_media.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "probes/byte_order.h"
#include "probes/iso_box.h"

namespace corvanta {
namespace {

constexpr std::uint32_t kSttsEntrySize = 8;
constexpr std::uint32_t kCttsEntrySize = 8;
// The first pictures tell how far a stream reorders them.
constexpr std::uint64_t kCttsEntriesRead = 64;

// The sample durations of a track as its "stts" gives them: how many
// samples last each duration. The last sample is left out of that count:
// writers guess its duration.
struct SampleTiming {
  bool read = false;  // the whole table was read
  std::uint64_t samples = 0;
  std::uint64_t ticks = 0;
  std::map<std::uint32_t, std::uint64_t> samplesByDuration;
};

struct Track {
  std::string handler;         // "vide", "soun", ...
  std::uint64_t duration = 0;  // after edits, in the movie's timescale; 0 when unknown
  std::uint64_t delay = 0;     // empty edits within it: time before the track starts
  std::int32_t matrix[4] = {0x10000, 0, 0, 0x10000};  // a, b, c, d (16.16)
  std::uint32_t mediaTimescale = 0;
  std::uint64_t mediaDuration = 0;
  SampleTiming timing;
  // In the media's timescale: how long the first picture waits for those
  // decoded after it but shown before it.
  std::uint64_t pictureDelay = 0;
};

struct Movie {
  std::uint32_t timescale = 0;
  std::uint64_t duration = 0;
  std::vector<Track> tracks;
};

// Times of "mvhd" and "mdhd": version 0 has 32-bit fields, version 1 64-bit.
void ReadTimes(BlockReader& reader, const IsoBox& box, std::uint32_t& timescale,
               std::uint64_t& duration) {
  char bytes[32];
  if (box.end - box.payload < 20 || !reader.Read(box.payload, bytes, 20)) return;
  if (bytes[0] == 1) {
    if (box.end - box.payload < 32 || !reader.Read(box.payload, bytes, 32)) return;
    timescale = BigEndian32(bytes + 20);
    duration = BigEndian64(bytes + 24);
    if (duration == std::numeric_limits<std::uint64_t>::max()) duration = 0;
  } else {
    timescale = BigEndian32(bytes + 12);
    duration = BigEndian32(bytes + 16);
    if (duration == std::numeric_limits<std::uint32_t>::max()) duration = 0;
  }
}

// Version 0 has 32-bit times and the display matrix at byte 40, version 1
// 64-bit times and the matrix at 52; the matrix is nine 32-bit values.
void ReadTrackHeader(BlockReader& reader, const IsoBox& box, Track& track) {
  char bytes[72];
  if (box.end - box.payload < 1 || !reader.Read(box.payload, bytes, 1)) return;
  const bool wide = bytes[0] == 1;
  const std::size_t matrix = wide ? 52 : 40;
  const std::size_t needed = matrix + 20;  // up to and with d
  if (box.end - box.payload < needed || !reader.Read(box.payload, bytes, needed)) return;
  track.duration = wide ? BigEndian64(bytes + 28) : BigEndian32(bytes + 20);
  if (track.duration == (wide ? ~std::uint64_t{0} : ~std::uint32_t{0})) track.duration = 0;
  // a, b at the matrix's start; c, d after the first row's third value.
  track.matrix[0] = static_cast<std::int32_t>(BigEndian32(bytes + matrix));
  track.matrix[1] = static_cast<std::int32_t>(BigEndian32(bytes + matrix + 4));
  track.matrix[2] = static_cast<std::int32_t>(BigEndian32(bytes + matrix + 12));
  track.matrix[3] = static_cast<std::int32_t>(BigEndian32(bytes + matrix + 16));
}

// Empty edits (media time -1) delay a track's start (ffmpeg's F4V and
// MP4 muxers write one for streams that start late); their time is no part
// of the track's own length.
void ReadEditList(BlockReader& reader, const IsoBox& elst, Track& track) {
  char head[8];
  if (elst.end - elst.payload < 8 || !reader.Read(elst.payload, head, 8)) return;
  const std::uint64_t entrySize = head[0] == 1 ? 20 : 12;
  const std::uint64_t count =
      std::min<std::uint64_t>(BigEndian32(head + 4), (elst.end - elst.payload - 8) / entrySize);
  if (!reader.TakeEntries(count)) return;
  for (std::uint64_t i = 0; i < count; ++i) {
    char entry[20];
    if (!reader.Read(elst.payload + 8 + i * entrySize, entry, entrySize)) return;
    const bool empty = entrySize == 20 ? BigEndian64(entry + 8) == ~std::uint64_t{0}
                                       : BigEndian32(entry + 4) == ~std::uint32_t{0};
    if (empty) track.delay += entrySize == 20 ? BigEndian64(entry) : BigEndian32(entry);
  }
}

void ReadSampleTiming(BlockReader& reader, const IsoBox& stts, SampleTiming& timing) {
  char head[8];
  if (stts.end - stts.payload < 8 || !reader.Read(stts.payload, head, 8)) return;
  const std::uint64_t count = std::min<std::uint64_t>(
      BigEndian32(head + 4), (stts.end - stts.payload - 8) / kSttsEntrySize);
  if (!reader.TakeEntries(count)) return;
  for (std::uint64_t i = 0; i < count; ++i) {
    char entry[kSttsEntrySize];
    if (!reader.Read(stts.payload + 8 + i * kSttsEntrySize, entry, sizeof entry)) return;
    const std::uint32_t samples = BigEndian32(entry);
    const std::uint32_t delta = BigEndian32(entry + 4);
    const std::uint32_t counted = i + 1 < count || samples == 0 ? samples : samples - 1;
    if (counted > 0) timing.samplesByDuration[delta] += counted;
    timing.samples += samples;
    timing.ticks += std::uint64_t{samples} * delta;
  }
  timing.read = true;
}

// "ctts": each sample's presentation time less its decoding time (signed
// from version 1 on). The first sample waits for as long as its offset
// exceeds the smallest one among the first pictures.
std::uint64_t ReadPictureDelay(BlockReader& reader, const IsoBox& ctts) {
  char head[8];
  if (ctts.end - ctts.payload < 8 || !reader.Read(ctts.payload, head, 8)) return 0;
  const bool signedOffsets = head[0] != 0;
  const std::uint64_t count = std::min<std::uint64_t>(
      {BigEndian32(head + 4), (ctts.end - ctts.payload - 8) / kCttsEntrySize, kCttsEntriesRead});
  if (count == 0 || !reader.TakeEntries(count)) return 0;
  std::int64_t first = 0;
  std::int64_t least = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    char entry[kCttsEntrySize];
    if (!reader.Read(ctts.payload + 8 + i * kCttsEntrySize, entry, sizeof entry)) return 0;
    const std::uint32_t raw = BigEndian32(entry + 4);
    const std::int64_t offset = signedOffsets ? static_cast<std::int32_t>(raw) : std::int64_t{raw};
    if (i == 0) first = least = offset;
    least = std::min(least, offset);
  }
  return static_cast<std::uint64_t>(first - least);
}

void ReadMedia(BlockReader& reader, const IsoBox& mdia, Track& track, bool wantTiming) {
  ForEachIsoBox(reader, mdia.payload, mdia.end, [&](const IsoBox& box) {
    if (box.Type() == "mdhd") {
      ReadTimes(reader, box, track.mediaTimescale, track.mediaDuration);
    } else if (box.Type() == "hdlr") {
      char bytes[12];
      if (box.end - box.payload >= 12 && reader.Read(box.payload, bytes, 12)) {
        track.handler.assign(bytes + 8, 4);
      }
    } else if (box.Type() == "minf" && wantTiming && track.handler == "vide") {
      ForEachIsoBox(reader, box.payload, box.end, [&](const IsoBox& stbl) {
        if (stbl.Type() != "stbl") return true;
        ForEachIsoBox(reader, stbl.payload, stbl.end, [&](const IsoBox& table) {
          if (table.Type() == "stts") ReadSampleTiming(reader, table, track.timing);
          if (table.Type() == "ctts") track.pictureDelay = ReadPictureDelay(reader, table);
          return true;
        });
        return false;
      });
    }
    return true;
  });
}

Movie ReadMovie(BlockReader& reader, const IsoBox& moov) {
  Movie movie;
  bool videoTimed = false;
  ForEachIsoBox(reader, moov.payload, moov.end, [&](const IsoBox& box) {
    if (box.Type() == "mvhd") {
      ReadTimes(reader, box, movie.timescale, movie.duration);
    } else if (box.Type() == "trak") {
      Track track;
      ForEachIsoBox(reader, box.payload, box.end, [&](const IsoBox& part) {
        if (part.Type() == "tkhd") ReadTrackHeader(reader, part, track);
        if (part.Type() == "edts") {
          ForEachIsoBox(reader, part.payload, part.end, [&](const IsoBox& elst) {
            if (elst.Type() == "elst") ReadEditList(reader, elst, track);
            return true;
          });
        }
        if (part.Type() == "mdia") ReadMedia(reader, part, track, !videoTimed);
        return true;
      });
      videoTimed = videoTimed || track.handler == "vide";
      movie.tracks.push_back(track);
    }
    return true;
  });
  return movie;
}

std::optional<double> Seconds(std::uint64_t duration, std::uint32_t timescale) {
  if (duration == 0 || timescale == 0) return std::nullopt;
  return static_cast<double>(duration) / timescale;
}

StreamLength LengthOf(const Movie& movie, const Track* track) {
  StreamLength length;
  if (track == nullptr) return length;
  length.present = true;
  if (track->duration > track->delay) {
    length.seconds = Seconds(track->duration - track->delay, movie.timescale);
  }
  if (!length.seconds) length.seconds = Seconds(track->mediaDuration, track->mediaTimescale);
  return length;
}

// Values within 1/16 of 1.0 of zero count as zero, so a matrix rounded by
// its writer still reads as the quarter turn it stands for.
bool NearZero(std::int32_t value) { return value > -0x1000 && value < 0x1000; }

// The display matrix maps a stored point (x, y) to (a x + c y, b x + d y)
// with y pointing down: a = d = 0, b > 0, c < 0 turns the picture a quarter
// clockwise (ffprobe: "rotation of -90.00 degrees"). Mirrored or sheared
// matrices count as no turn.
int ClockwiseDegrees(const std::int32_t (&m)[4]) {
  const std::int32_t a = m[0], b = m[1], c = m[2], d = m[3];
  if (NearZero(b) && NearZero(c)) {
    if (a > 0 && d > 0) return 0;
    if (a < 0 && d < 0) return 180;
  }
  if (NearZero(a) && NearZero(d)) {
    if (b > 0 && c < 0) return 90;
    if (b < 0 && c > 0) return 270;
  }
  return 0;
}

// The rate varies when the samples' time differs by more than 1% from the
// time they would last at the most common duration. A tick either way is
// timestamp rounding (30 fps in milliseconds: 33 and 34); a camera's jitter
// and the odd longer sample where clips were joined stay under 1%.
bool Varies(const SampleTiming& timing) {
  if (!timing.read || timing.samplesByDuration.empty()) return false;
  const auto common =
      std::max_element(timing.samplesByDuration.begin(), timing.samplesByDuration.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  std::uint64_t total = 0;
  std::uint64_t beyondRounding = 0;
  for (const auto& [duration, samples] : timing.samplesByDuration) {
    const std::uint64_t apart =
        duration > common->first ? duration - common->first : common->first - duration;
    total += duration * samples;
    if (apart > 1) beyondRounding += (apart - 1) * samples;
  }
  return beyondRounding * 100 > total;
}

const Track* FirstTrack(const Movie& movie, std::string_view handler) {
  for (const Track& track : movie.tracks) {
    if (track.handler == handler) return &track;
  }
  return nullptr;
}

void Describe(const Movie& movie, InputFacts& facts) {
  facts.streamsKnown = true;
  const Track* video = FirstTrack(movie, "vide");
  facts.video = LengthOf(movie, video);
  facts.audio = LengthOf(movie, FirstTrack(movie, "soun"));
  facts.overallSeconds = Seconds(movie.duration, movie.timescale);
  if (video == nullptr) return;
  facts.rotationDegrees = ClockwiseDegrees(video->matrix);
  const SampleTiming& timing = video->timing;
  facts.variableFrameRate = Varies(timing);
  if (video->mediaTimescale > 0) {
    facts.pictureDelaySeconds = static_cast<double>(video->pictureDelay) / video->mediaTimescale;
  }
  if (timing.read && timing.ticks > 0 && video->mediaTimescale > 0) {
    facts.videoFrameRate = static_cast<double>(timing.samples) * video->mediaTimescale /
                           static_cast<double>(timing.ticks);
  }
}

bool IsTopLevelStart(std::string_view type) {
  return type == "ftyp" || type == "moov" || type == "mdat" || type == "free" || type == "skip" ||
         type == "wide";
}

}  // namespace

bool BeginsAsIsoMedia(BlockReader& reader) {
  IsoBox box;
  return ReadIsoBox(reader, 0, reader.size(), box) && IsTopLevelStart(box.Type());
}

void ReadIsoMediaFacts(BlockReader& reader, InputFacts& facts) {
  ForEachIsoBox(reader, 0, reader.size(), [&](const IsoBox& box) {
    if (box.Type() != "moov") return true;
    Describe(ReadMovie(reader, box), facts);
    return false;
  });
}

}  // namespace corvanta
