#include "probes/input_facts.h"

#include <algorithm>

#include "probes/asf.h"
#include "probes/avi_empty_chunk.h"
#include "probes/avi_layout.h"
#include "probes/avi_stream_lengths.h"
#include "probes/block_reader.h"
#include "probes/flv.h"
#include "probes/iso_media.h"
#include "probes/matroska.h"
#include "probes/mpeg_program_stream.h"
#include "probes/mpeg_transport_stream.h"
#include "probes/realmedia.h"

namespace corvanta {
namespace {

void ReadAviFacts(BlockReader& reader, InputFacts& facts) {
  const AviLayout layout = ReadAviLayout(reader);
  const AviStreamLengths lengths = ReadAviStreamLengths(layout);
  facts.streamsKnown = layout.headersFound;
  facts.video = lengths.video;
  facts.audio = lengths.audio;
  facts.videoFrameRate = lengths.videoFrameRate;
  if (!AviFormsFinished(layout, reader.size())) {
    facts.video.seconds.reset();
    facts.audio.seconds.reset();
  } else if (lengths.video.seconds || lengths.audio.seconds) {
    facts.overallSeconds =
        std::max(lengths.video.seconds.value_or(0), lengths.audio.seconds.value_or(0));
  }
  // Last: the check may spend what is left of the budget.
  facts.aviEmptyVideoChunk = HoldsEmptyAviVideoChunk(reader, layout);
}

// Transport streams are known by their sync bytes alone.
bool BeginsAsTransportStream(BlockReader& reader) {
  return FindTransportPackets(reader).packetSize != 0;
}

void ReadTransportStreamFacts(BlockReader& reader, InputFacts& facts) {
  ReadMpegTransportStreamFacts(reader, FindTransportPackets(reader), facts);
}

struct ContainerProbe {
  Container container;
  bool (*begins)(BlockReader&);
  void (*read)(BlockReader&, InputFacts&);
};

// Formats with a signature of their own first; transport streams last.
constexpr ContainerProbe kProbes[] = {
    {Container::Avi, IsAvi, ReadAviFacts},
    {Container::Matroska, BeginsAsMatroska, ReadMatroskaFacts},
    {Container::Flv, BeginsAsFlv, ReadFlvFacts},
    {Container::Asf, BeginsAsAsf, ReadAsfFacts},
    {Container::RealMedia, BeginsAsRealMedia, ReadRealMediaFacts},
    {Container::MpegProgramStream, BeginsAsMpegProgramStream, ReadMpegProgramStreamFacts},
    {Container::IsoMedia, BeginsAsIsoMedia, ReadIsoMediaFacts},
    {Container::MpegTransportStream, BeginsAsTransportStream, ReadTransportStreamFacts},
};

}  // namespace

InputFacts ProbeInput(const ByteReader& read, std::uint64_t size, ProbeBudget budget) {
  BlockReader reader(read, size, budget);
  InputFacts facts;
  for (const ContainerProbe& probe : kProbes) {
    if (!probe.begins(reader)) continue;
    facts.container = probe.container;
    probe.read(reader, facts);
    break;
  }
  return facts;
}

}  // namespace corvanta
