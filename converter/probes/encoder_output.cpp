#include "probes/encoder_output.h"

#include <string>
#include <vector>

#include "probes/avi_layout.h"
#include "probes/avi_stream_lengths.h"
#include "probes/block_reader.h"

namespace corvanta {
namespace {

// Nothing after the last form: MEncoder pads each form to an even size.
bool EndsWithTheLastForm(BlockReader& reader, const AviLayout& layout) {
  const std::uint64_t end = layout.parts.back().claimedEnd;
  return reader.size() == end + (end & 1);
}

bool IndexesPresent(BlockReader& reader, const AviLayout& layout) {
  if (!layout.idx1 || layout.idx1->payload + layout.idx1->size > layout.parts.front().claimedEnd) {
    return false;
  }
  for (const RiffChunk& indx : layout.superIndexes) {
    std::string stream;
    std::vector<AviSuperIndexEntry> entries;
    if (!ReadAviSuperIndex(reader, indx, stream, entries)) return false;
    for (const AviSuperIndexEntry& entry : entries) {
      if (entry.offset > reader.size() || entry.size > reader.size() - entry.offset) return false;
    }
  }
  return true;
}

}  // namespace

OutputFacts ProbeEncoderOutput(const ByteReader& read, std::uint64_t size, ProbeBudget budget) {
  BlockReader reader(read, size, budget);
  OutputFacts facts;
  if (!IsAvi(reader)) return facts;
  facts.avi = true;
  const AviLayout layout = ReadAviLayout(reader);
  facts.complete = layout.headersFound && AviFormsFinished(layout, reader.size()) &&
                   EndsWithTheLastForm(reader, layout) && IndexesPresent(reader, layout);
  const AviStreamLengths lengths = ReadAviStreamLengths(layout);
  facts.video = lengths.video;
  facts.audio = lengths.audio;
  if (!facts.complete) {
    facts.video.seconds.reset();
    facts.audio.seconds.reset();
  }
  return facts;
}

}  // namespace corvanta
