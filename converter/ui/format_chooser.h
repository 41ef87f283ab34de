#pragma once

#include "engine/run_state.h"

namespace corvanta {

class MainWindow;

// The chooser's part of the main window's creation: the field's margins,
// the list's measurements (kept in `state`), its size and "MP4" in the field.
void SetUpFormatChooser(MainWindow& window, RunState& state);

// Fits the format list to its items: a short list (8 items or fewer) is made
// exactly as high as its rows; a longer one keeps its height and narrows its
// column by the width of a scroll bar.
void SizeFormatList(MainWindow& window, const RunState& state);

// The drop button shows a hidden list and hides a shown one.
void OnFormatDropButtonClick(MainWindow& window);
// A click in the list: the selected item's text (empty for none) goes into
// the field, which takes the focus with its whole text selected; the list
// hides.
void OnFormatListItemChosen(MainWindow& window);
void HideFormatList(MainWindow& window);

}  // namespace corvanta
