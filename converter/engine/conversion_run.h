#pragma once

#include "engine/run_services.h"
#include "engine/run_state.h"
#include "engine/run_window.h"

namespace corvanta {

// One conversion run over every row the queue holds when it starts, with the
// settings the window shows at that moment. Writes the encoder out if it is
// missing, converts the rows in order, marks each one done or failed, and at
// the end (also after a stop) restores the idle window, powers off when
// asked to and opens the done window. The Convert button calls it with the
// STOP face shown, StopRequested 0 and IsConverting 1 in `state`.
void ConvertQueue(RunWindow& window, RunServices& services, RunState& state,
                  const ConvertFaces& faces);

}  // namespace corvanta
