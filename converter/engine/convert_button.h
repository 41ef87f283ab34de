#pragma once

#include "engine/run_services.h"
#include "engine/run_state.h"
#include "engine/run_window.h"

namespace corvanta {

// Two pictures are the same when they hold the same bytes; an unset picture
// is the empty block.
bool SamePicture(PictureBytes first, PictureBytes second);

// The Convert button's click. The button's pictures are the only record of
// whether a run is going: on the START face the click starts a run and
// returns when it has ended; on the STOP face it asks the running run to
// stop and returns at once. An empty queue or an empty output folder is
// refused first, whichever face is shown.
void OnConvertButtonClick(RunWindow& window, RunServices& services, RunState& state,
                          const ConvertFaces& faces);

}  // namespace corvanta
