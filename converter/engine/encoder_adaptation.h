#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "probes/input_facts.h"

namespace corvanta {

// The arguments that the carried MEncoder build is started with: the
// command line's own arguments, with those options added or rewritten that
// this build needs to turn out what the command line asks for.
std::vector<std::string> AdaptForCarriedEncoder(std::vector<std::string> arguments,
                                                const InputFacts& input);

}  // namespace corvanta
