#pragma once

#include "probes/block_reader.h"
#include "probes/input_facts.h"

namespace corvanta {

// True when the file begins with a RealMedia file header (".RMF").
bool BeginsAsRealMedia(BlockReader& reader);

// Fills the facts from the headers before the data chunk: the PROP chunk's
// duration, and each MDPR chunk's (one per stream) duration and MIME type.
void ReadRealMediaFacts(BlockReader& reader, InputFacts& facts);

}  // namespace corvanta
