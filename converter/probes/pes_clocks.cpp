#include "probes/pes_clocks.h"

#include <algorithm>

namespace corvanta {
namespace {

constexpr std::uint64_t kWrap = std::uint64_t{1} << 33;
constexpr double kTicksPerSecond = 90000;

// How far `later` lies after `earlier`, across a wrap; stamps before
// `earlier` (more than half the clock's range away) count as 0.
std::uint64_t Forward(std::uint64_t earlier, std::uint64_t later) {
  const std::uint64_t distance = (later - earlier) & (kWrap - 1);
  return distance < kWrap / 2 ? distance : 0;
}

// Five bytes of '0010'/'0011' + PTS[32..30] + marker, PTS[29..15] + marker,
// PTS[14..0] + marker.
std::optional<std::uint64_t> Stamp(const unsigned char* b) {
  if ((b[0] & 1) == 0 || (b[2] & 1) == 0 || (b[4] & 1) == 0) return std::nullopt;
  return (std::uint64_t{b[0] & 0x0Eu} << 29) | (std::uint64_t{b[1]} << 22) |
         (std::uint64_t{b[2] & 0xFEu} << 14) | (std::uint64_t{b[3]} << 7) | (b[4] >> 1);
}

struct PesStamps {
  std::uint64_t presentation = 0;
  std::optional<std::uint64_t> decoding;  // where the packet carries one of its own
};

// The presentation stamp, then the decoding stamp where both are flagged.
std::optional<PesStamps> ReadPesStamps(std::string_view pes) {
  const auto* b = reinterpret_cast<const unsigned char*>(pes.data());
  if (pes.size() < 9 || b[0] != 0 || b[1] != 0 || b[2] != 1) return std::nullopt;
  // Program stream map, padding, private stream 2 and the like carry no header.
  const unsigned char id = b[3];
  if (id == 0xBC || id == 0xBE || id == 0xBF || id >= 0xF0) return std::nullopt;
  std::size_t at = 9;
  bool both = false;
  if ((b[6] & 0xC0) == 0x80) {  // MPEG-2
    if ((b[7] & 0x80) == 0 || pes.size() < 14 || (b[9] & 0xE0) != 0x20) return std::nullopt;
    both = (b[7] & 0xC0) == 0xC0 && pes.size() >= 19 && (b[14] & 0xF0) == 0x10;
  } else {
    at = 6;  // MPEG-1: stuffing, buffer size, then the stamps
    while (at < pes.size() && b[at] == 0xFF && at < 6 + 16) ++at;
    if (at + 2 <= pes.size() && (b[at] & 0xC0) == 0x40) at += 2;
    if (at + 5 > pes.size() || (b[at] & 0xE0) != 0x20) return std::nullopt;
    both = at + 10 <= pes.size() && (b[at] & 0xF0) == 0x30 && (b[at + 5] & 0xF0) == 0x10;
  }
  const std::optional<std::uint64_t> presentation = Stamp(b + at);
  if (!presentation) return std::nullopt;
  return PesStamps{*presentation, both ? Stamp(b + at + 5) : std::nullopt};
}

// The smallest step between stamps, in ticks; 0 when unknown.
std::uint64_t SmallestStep(std::vector<std::uint64_t> stamps) {
  std::sort(stamps.begin(), stamps.end());
  std::uint64_t step = 0;
  for (std::size_t i = 1; i < stamps.size(); ++i) {
    const std::uint64_t gap = stamps[i] - stamps[i - 1];
    if (gap > 0 && (step == 0 || gap < step)) step = gap;
  }
  return step;
}

}  // namespace

PesClocks::Clock& PesClocks::ClockOf(std::uint32_t stream) {
  auto [it, added] = clocks_.try_emplace(stream);
  if (added) order_.push_back(stream);
  return it->second;
}

void PesClocks::AddPacket(std::uint32_t stream, std::string_view pes, bool atStart) {
  const std::optional<PesStamps> stamps = ReadPesStamps(pes);
  if (!stamps) return;
  Clock& clock = ClockOf(stream);
  if (!atStart) {
    clock.atEnd.push_back(stamps->presentation);
    return;
  }
  if (clock.atStart.empty() && stamps->decoding) {
    clock.firstDelay = Forward(*stamps->decoding, stamps->presentation);
  }
  clock.atStart.push_back(stamps->presentation);
}

double PesClocks::FirstDelaySeconds(std::uint32_t stream) const {
  const auto it = clocks_.find(stream);
  return it == clocks_.end() ? 0 : static_cast<double>(it->second.firstDelay) / kTicksPerSecond;
}

bool PesClocks::SeenAtStart(std::uint32_t stream) const {
  const auto it = clocks_.find(stream);
  return it != clocks_.end() && !it->second.atStart.empty();
}

bool PesClocks::SeenAtEnd(std::uint32_t stream) const {
  const auto it = clocks_.find(stream);
  return it != clocks_.end() && !it->second.atEnd.empty();
}

double PesClocks::StepSeconds(std::uint32_t stream) const {
  const auto it = clocks_.find(stream);
  if (it == clocks_.end()) return 0;
  return static_cast<double>(SmallestStep(it->second.atStart)) / kTicksPerSecond;
}

std::optional<PesClocks::Span> PesClocks::SpanOf(std::uint32_t stream) const {
  const auto it = clocks_.find(stream);
  if (it == clocks_.end() || it->second.atStart.empty() ||
      (it->second.atEnd.empty() && !wholeFile_)) {
    return std::nullopt;
  }
  const Clock& clock = it->second;
  Span span;
  span.first = clock.atStart.front();
  for (const std::uint64_t stamp : clock.atStart) {
    if (Forward(stamp, span.first) > 0) span.first = stamp;
  }
  for (const auto* stamps : {&clock.atStart, &clock.atEnd}) {
    for (const std::uint64_t stamp : *stamps) {
      span.length = std::max(span.length, Forward(span.first, stamp));
    }
  }
  span.length += SmallestStep(clock.atStart);
  return span;
}

std::optional<double> PesClocks::Seconds(std::uint32_t stream) const {
  const std::optional<Span> span = SpanOf(stream);
  if (!span) return std::nullopt;
  return static_cast<double>(span->length) / kTicksPerSecond;
}

std::optional<double> PesClocks::OverallSeconds(const std::vector<std::uint32_t>& streams) const {
  std::vector<Span> spans;
  for (const std::uint32_t stream : streams) {
    if (const std::optional<Span> span = SpanOf(stream)) spans.push_back(*span);
  }
  if (spans.empty()) return std::nullopt;
  std::uint64_t earliest = spans.front().first;
  for (const Span& span : spans) {
    if (Forward(span.first, earliest) > 0) earliest = span.first;
  }
  std::uint64_t end = 0;
  for (const Span& span : spans) end = std::max(end, Forward(earliest, span.first) + span.length);
  return static_cast<double>(end) / kTicksPerSecond;
}

void DescribeTimedStreams(const PesClocks& clocks, const std::vector<TimedStream>& streams,
                          InputFacts& facts) {
  std::vector<std::uint32_t> ids;
  for (const TimedStream& stream : streams) {
    ids.push_back(stream.id);
    StreamLength& length = stream.video ? facts.video : facts.audio;
    if (length.present) continue;
    length.present = true;
    length.seconds = clocks.Seconds(stream.id);
    const double step = clocks.StepSeconds(stream.id);
    if (stream.video && step > 0) facts.videoFrameRate = 1 / step;
    if (stream.video) facts.pictureDelaySeconds = clocks.FirstDelaySeconds(stream.id);
  }
  facts.overallSeconds = clocks.OverallSeconds(ids);
}

}  // namespace corvanta
