#pragma once

#include <string>

#include "engine/progress_display.h"

namespace corvanta {

// Runs the encoder once for one queued file and returns when it has ended or
// a stop has been taken. Any "quorbel.exe" of this user still running is
// ended first, and again afterwards. The child writes its console output to a
// pipe whose "Pos" status lines drive `display`; window events keep being
// processed while it runs. Nothing is reported: the caller judges the result
// by the output file.
void RunEncoder(const std::string& encoderPath, const std::string& commandLine,
                ProgressDisplay& display);

}  // namespace corvanta
