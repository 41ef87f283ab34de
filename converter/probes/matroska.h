#pragma once

#include "probes/block_reader.h"
#include "probes/input_facts.h"

namespace corvanta {

// True when the file begins with an EBML header (Matroska, WebM).
bool BeginsAsMatroska(BlockReader& reader);

// Fills the facts from the segment's Info (duration, in units of its
// timestamp scale) and Tracks (each track's type), which writers put before
// the first Cluster. Matroska keeps no per-track length in its headers.
void ReadMatroskaFacts(BlockReader& reader, InputFacts& facts);

}  // namespace corvanta
