#pragma once

#include <cstdint>

#include "probes/byte_reader.h"
#include "probes/probe_budget.h"
#include "probes/stream_length.h"

namespace corvanta {

// What the encoder's AVI output holds, from the headers it wrote.
struct OutputFacts {
  bool avi = false;  // the file begins as an AVI
  // Every RIFF form, the "idx1" index and the OpenDML indexes that the
  // headers claim lie within the file, and the file ends where its last RIFF
  // form ends. MEncoder writes the indexes last and then rewrites the headers
  // in place, so a full disk leaves headers that claim everything in a file
  // that lacks its end.
  bool complete = false;
  // Lengths as the stream headers give them; seconds only when complete.
  StreamLength video;
  StreamLength audio;
};

OutputFacts ProbeEncoderOutput(const ByteReader& read, std::uint64_t size, ProbeBudget budget = {});

}  // namespace corvanta
