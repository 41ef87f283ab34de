#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "probes/input_facts.h"

namespace corvanta {

// The time stamps of each elementary stream of an MPEG program or
// transport stream, as met at the start of the file and near its end. A
// stream lasts from its earliest stamp at the start to its latest at the
// end, plus one picture or audio packet (the smallest step between its
// stamps at the start). Stamps wrap at 2^33 (about 26.5 hours).
class PesClocks {
 public:
  // Takes the stamps of the PES packet that begins at `pes` ("00 00 01",
  // stream id, 16-bit length, header; MPEG-2 or MPEG-1 header form) for
  // `stream`; a packet without a presentation stamp, or with wrong marker
  // bits, leaves the clocks as they are.
  void AddPacket(std::uint32_t stream, std::string_view pes, bool atStart);
  // Every byte of the file was scanned: a stream's last stamp may lie at its start.
  void SetWholeFileScanned() { wholeFile_ = true; }

  // Streams in the order they were first met.
  const std::vector<std::uint32_t>& streams() const { return order_; }
  bool SeenAtStart(std::uint32_t stream) const;
  bool SeenAtEnd(std::uint32_t stream) const;
  std::optional<double> Seconds(std::uint32_t stream) const;
  // The first packet's presentation stamp less its decoding stamp.
  double FirstDelaySeconds(std::uint32_t stream) const;
  // The smallest step between the stream's stamps at the start; 0 unknown.
  double StepSeconds(std::uint32_t stream) const;
  // From the earliest start to the latest end among the given streams.
  std::optional<double> OverallSeconds(const std::vector<std::uint32_t>& streams) const;

 private:
  struct Clock {
    std::vector<std::uint64_t> atStart;
    std::vector<std::uint64_t> atEnd;
    std::uint64_t firstDelay = 0;
  };
  struct Span {
    std::uint64_t first = 0;
    std::uint64_t length = 0;  // in 90 kHz ticks, with the last step
  };
  std::optional<Span> SpanOf(std::uint32_t stream) const;
  Clock& ClockOf(std::uint32_t stream);

  std::map<std::uint32_t, Clock> clocks_;
  std::vector<std::uint32_t> order_;
  bool wholeFile_ = false;
};

struct TimedStream {
  std::uint32_t id = 0;
  bool video = false;  // else audio
};

// Marks the kinds of the streams present; the first of each kind gives its
// length (and the video its frame rate, from its step), all of them the
// overall length.
void DescribeTimedStreams(const PesClocks& clocks, const std::vector<TimedStream>& streams,
                          InputFacts& facts);

}  // namespace corvanta
