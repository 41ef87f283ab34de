#pragma once

#include "probes/block_reader.h"
#include "probes/input_facts.h"

namespace corvanta {

// True when the file begins with an MPEG pack header ("00 00 01 BA"): DVD
// VOBs, MPEG-1 and MPEG-2 program streams.
bool BeginsAsMpegProgramStream(BlockReader& reader);

// Fills the facts from the PES packets of the first MiB and of the last
// MiBs: the video (00 00 01 E0–EF) and audio (C0–DF, and AC-3, DTS and LPCM
// in private stream 1) streams met, and each one's length from its stamps.
void ReadMpegProgramStreamFacts(BlockReader& reader, InputFacts& facts);

}  // namespace corvanta
