#pragma once

#include "probes/block_reader.h"
#include "probes/input_facts.h"

namespace corvanta {

// True when the file begins with a box that starts MP4/MOV files: "ftyp",
// or (older QuickTime files) "moov", "mdat", "free", "skip" or "wide".
bool BeginsAsIsoMedia(BlockReader& reader);

// Fills the facts from the "moov" box, wherever it lies among the top-level
// boxes (after the media data in files written without a second pass):
// which tracks it holds, their lengths from the track headers ("tkhd", the
// length after edits, in the movie's timescale; the media header's where
// that is unset), and for the first video track its display matrix turn,
// its average frame rate and whether its sample durations ("stts") vary.
void ReadIsoMediaFacts(BlockReader& reader, InputFacts& facts);

}  // namespace corvanta
