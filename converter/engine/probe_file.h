#pragma once

#include <string>

#include "probes/encoder_output.h"
#include "probes/input_facts.h"

namespace corvanta {

// The facts of the input file at `path`; all unknown when it is no regular
// file that can be read.
InputFacts ProbeInputFile(const std::string& path);

// What the encoder's output file at `path` holds; not even an AVI when it
// is no regular file that can be read.
OutputFacts ProbeOutputFile(const std::string& path);

}  // namespace corvanta
