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

}  // namespace

InputFacts ProbeInput(const ByteReader& read, std::uint64_t size, ProbeBudget budget) {
  BlockReader reader(read, size, budget);
  InputFacts facts;
  // Formats with a signature of their own first; transport streams, known
  // only by their sync bytes, last.
  if (IsAvi(reader)) {
    facts.container = Container::Avi;
    ReadAviFacts(reader, facts);
  } else if (BeginsAsMatroska(reader)) {
    facts.container = Container::Matroska;
    ReadMatroskaFacts(reader, facts);
  } else if (BeginsAsFlv(reader)) {
    facts.container = Container::Flv;
    ReadFlvFacts(reader, facts);
  } else if (BeginsAsAsf(reader)) {
    facts.container = Container::Asf;
    ReadAsfFacts(reader, facts);
  } else if (BeginsAsRealMedia(reader)) {
    facts.container = Container::RealMedia;
    ReadRealMediaFacts(reader, facts);
  } else if (BeginsAsMpegProgramStream(reader)) {
    facts.container = Container::MpegProgramStream;
    ReadMpegProgramStreamFacts(reader, facts);
  } else if (BeginsAsIsoMedia(reader)) {
    facts.container = Container::IsoMedia;
    ReadIsoMediaFacts(reader, facts);
  } else if (const TransportPackets packets = FindTransportPackets(reader); packets.packetSize) {
    facts.container = Container::MpegTransportStream;
    ReadMpegTransportStreamFacts(reader, packets, facts);
  }
  return facts;
}

}  // namespace corvanta
