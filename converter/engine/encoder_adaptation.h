#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// What the encoder's arguments cannot tell about the input file: the facts
// of its container that decide how the carried encoder must read it.
struct EncoderInput {
  bool aviWithEmptyVideoChunk = false;
  bool mpegProgramStream = false;
  // A transport stream whose video is H.264 or HEVC.
  bool transportStreamOfAvc = false;
  // MP4 or MOV whose video samples last different times.
  bool variableFrameRateIsoMedia = false;
  // How far the stored picture must be turned clockwise to stand upright:
  // 0, 90, 180 or 270.
  int rotationDegrees = 0;
};

// The arguments that the carried MEncoder build is started with: the
// command line's own arguments, with those options added or rewritten that
// this build needs to turn out what the command line asks for.
std::vector<std::string> AdaptForCarriedEncoder(std::vector<std::string> arguments,
                                                const EncoderInput& input);

// Splits the command line, looks at the input file it names (the first
// argument) and adapts the arguments for the carried encoder.
std::vector<std::string> CarriedEncoderArguments(std::string_view commandLine);

}  // namespace corvanta
