#pragma once

#include <cstdint>
#include <optional>

#include "probes/byte_reader.h"
#include "probes/container.h"
#include "probes/probe_budget.h"
#include "probes/stream_length.h"

namespace corvanta {

// What an input file's container says about it, as far as a bounded look
// at its headers and indexes can tell; every fact not found keeps its
// "unknown" value.
struct InputFacts {
  Container container = Container::Unknown;
  // An AVI whose movie data holds a video chunk of size 0 (a dropped or
  // repeated frame).
  bool aviEmptyVideoChunk = false;
  // 188, or 192 for packets with a 4-byte time prefix (M2TS).
  int transportPacketSize = 0;
  // A transport stream's program map lists H.264 or HEVC video.
  bool avcVideo = false;
  // 0, 90, 180 or 270: how far the stored picture must be turned clockwise
  // to stand upright (an MP4/MOV video track's display matrix).
  int rotationDegrees = 0;
  // The video track's pictures last different times, beyond the rounding
  // of their timestamps (MP4/MOV).
  bool variableFrameRate = false;
  // How long the first picture is held back before it is shown, because
  // pictures decoded after it are shown before it (B-frames): its
  // presentation time less its decoding time. 0 when none or unknown.
  double pictureDelaySeconds = 0;
  // Average pictures a second; 0 when unknown.
  double videoFrameRate = 0;
  // The container lists the streams it holds, so `present` below is sure.
  bool streamsKnown = false;
  StreamLength video;
  StreamLength audio;
  std::optional<double> overallSeconds;
};

// Reads the facts of the file whose bytes `read` serves (`size` of them),
// spending no more than `budget`.
InputFacts ProbeInput(const ByteReader& read, std::uint64_t size, ProbeBudget budget = {});

}  // namespace corvanta
