#pragma once

#include "engine/run_state.h"

namespace corvanta {

class EditBox;
class FormatListView;

// The format chooser: the read-only format field, and the list of formats
// that its drop button shows below it.

// The chooser's part of the main window's creation: the field's margins,
// the list's measurements (kept in `state`), its size and "MP4" in the field.
void SetUpFormatChooser(EditBox& field, FormatListView& list, RunState& state);

// Fits the format list to its items: a short list (8 items or fewer) is made
// exactly as high as its rows; a longer one keeps its height and narrows its
// column by the width of a scroll bar.
void SizeFormatList(FormatListView& list, const RunState& state);

// The drop button shows a hidden list and hides a shown one.
void OnFormatDropButtonClick(FormatListView& list);
// A click in the list: the selected item's text (empty for none) goes into
// the field, which takes the focus with its whole text selected; the list
// hides.
void OnFormatListItemChosen(FormatListView& list, EditBox& field);
void HideFormatList(FormatListView& list);

}  // namespace corvanta
