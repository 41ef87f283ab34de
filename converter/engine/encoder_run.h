#pragma once

#include <string>

#include "engine/progress_display.h"
#include "engine/run_state.h"
#include "probes/input_facts.h"

namespace corvanta {

// Runs the encoder once for one queued file and returns when it has ended or
// a stop has been taken. Any "quorbel.exe" of this user still running is
// ended first, and again afterwards. The child writes its console output to a
// pipe whose "Pos" status lines drive `display`; window events keep being
// processed while it runs, and a stop they request in `state` is taken after
// the next read, or at once while the encoder has written nothing more.
// What `input` tells of the input file decides how the carried encoder is
// made to read it.
//
// True only when the encoder ran to its own end and exited with status 0. An
// encoder that never started, exited with an error, was ended by a signal (a
// crash, a kill from outside, a run started inside this one) or was left
// behind by a stop may still have left a file, but not a finished one.
bool RunEncoder(const std::string& encoderPath, const std::string& commandLine,
                ProgressDisplay& display, const RunState& state, const InputFacts& input = {});

}  // namespace corvanta
