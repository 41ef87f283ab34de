#pragma once

#include "probes/block_reader.h"
#include "probes/input_facts.h"

namespace corvanta {

// True when the file begins with the ASF Header Object's GUID (WMV, WMA).
bool BeginsAsAsf(BlockReader& reader);

// Fills the facts from the Header Object's children: the File Properties
// Object's play duration less its preroll, and the Stream Properties
// Objects' stream types. ASF keeps no per-stream length in its header.
void ReadAsfFacts(BlockReader& reader, InputFacts& facts);

}  // namespace corvanta
