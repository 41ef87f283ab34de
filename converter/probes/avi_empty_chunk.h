#pragma once

#include "probes/avi_layout.h"
#include "probes/block_reader.h"

namespace corvanta {

// True when the AVI's movie data holds a video chunk ("##dc" or "##db") of
// size 0: an empty chunk for a dropped or repeated frame. The file's own
// indexes answer where it has them: the first RIFF's "idx1", and the
// OpenDML standard indexes ("ix##") that the streams' super indexes name,
// each read once however often it is named. Only parts without a usable
// index have their chunk headers walked. What the budget does not reach
// counts as holding no empty chunk.
bool HoldsEmptyAviVideoChunk(BlockReader& reader, const AviLayout& layout);

}  // namespace corvanta
