#pragma once

#include "probes/encoder_output.h"
#include "probes/input_facts.h"

namespace corvanta {

// Whether the file the encoder wrote holds its input, judged by the lengths
// that the two containers tell: the output must be a whole AVI with a
// picture, its video must last as long as the input's, and its sound as long
// as the input's sound where the input has sound, each within 0.5 s or 5%,
// whichever is larger. A length the input does not tell is not compared, and
// an input whose streams are not known asks for a picture only. The encoder
// exits 0 on many outputs that do not hold their input (sound lost after a
// fraction of a second, a third of the pictures skipped, a full disk), so its
// exit status alone cannot tell.
bool OutputHoldsInput(const InputFacts& input, const OutputFacts& output);

}  // namespace corvanta
