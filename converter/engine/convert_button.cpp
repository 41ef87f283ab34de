#include "engine/convert_button.h"

#include <algorithm>

#include "engine/conversion_run.h"

namespace corvanta {
namespace {

// The hover picture is only read once the normal pictures have matched.
bool ShowsFace(RunWindow& window, PictureBytes normal, PictureBytes hover) {
  if (!SamePicture(window.ConvertNormalPicture(), normal)) return false;
  return SamePicture(window.ConvertHoverPicture(), hover);
}

void ShowFace(RunWindow& window, PictureBytes normal, PictureBytes hover) {
  window.SetConvertNormalPicture(normal);
  window.SetConvertHoverPicture(hover);
}

}  // namespace

bool SamePicture(PictureBytes first, PictureBytes second) {
  return first.size() == second.size() && std::equal(first.begin(), first.end(), second.begin());
}

void OnConvertButtonClick(RunWindow& window, RunServices& services, RunState& state,
                          const ConvertFaces& faces) {
  if (window.RowCount() <= 0) {
    window.ShowRefusal(EmptyQueueRefusal());
    return;
  }
  // Only the empty text is refused; a folder of blanks is the user's choice.
  if (window.OutputFolderText().empty()) {
    window.ShowRefusal(NoOutputFolderRefusal());
    return;
  }

  if (ShowsFace(window, faces.startNormal, faces.startHover)) {
    ShowFace(window, faces.stopNormal, faces.stopHover);
    // A stop left over from the last run (or from the run this one is
    // nested in) must not end the new one.
    state.StopRequested = 0;
    state.IsConverting = 1;
    ConvertQueue(window, services, state, faces);
    return;
  }

  if (ShowsFace(window, faces.stopNormal, faces.stopHover)) {
    ShowFace(window, faces.startNormal, faces.startHover);
    // The run notices the request once the event that carried it has been
    // handled; Clear and Delete still refuse until the run has ended.
    state.StopRequested = 1;
    state.IsConverting = 0;
    window.SetAddEnabled(true);
  }
}

}  // namespace corvanta
