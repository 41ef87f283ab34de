#pragma once

#include "probes/block_reader.h"
#include "probes/input_facts.h"

namespace corvanta {

// True when the file begins with an FLV header ("FLV", version 1).
bool BeginsAsFlv(BlockReader& reader);

// Fills the facts from the header's audio and video flags and from the tag
// time stamps (milliseconds): the first of each kind near the start, and
// the last two of each kind found by walking back from the end of the file
// along each tag's trailing size. A stream lasts from its first stamp to
// its last plus the step between its last two.
void ReadFlvFacts(BlockReader& reader, InputFacts& facts);

}  // namespace corvanta
