#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// What the encoder's arguments cannot tell about the input file.
struct EncoderInput {
  bool aviWithEmptyVideoChunk = false;
};

// The arguments that the carried MEncoder build is started with: the
// command line's own arguments, with only those options rewritten that this
// build cannot run as written. Every other command line passes unchanged.
std::vector<std::string> AdaptForCarriedEncoder(std::vector<std::string> arguments,
                                                const EncoderInput& input);

// Splits the command line, looks at the input file it names (the first
// argument) and adapts the arguments for the carried encoder.
std::vector<std::string> CarriedEncoderArguments(std::string_view commandLine);

}  // namespace corvanta
