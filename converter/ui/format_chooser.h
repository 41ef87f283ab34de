#pragma once

#include <cstdint>

namespace corvanta {

class MainWindow;

// Measured once when the main window is created: the vertical position of
// the format list's second item and the width of its column, in pixels.
extern std::int32_t FormatListRowHeight;
extern std::int32_t FormatListColumnWidth;

// The chooser's part of the main window's creation: the field's margins,
// the measurements, the list's size and "MP4" in the field.
void SetUpFormatChooser(MainWindow& window);

// Fits the format list to its items: a short list (8 items or fewer) is made
// exactly as high as its rows; a longer one keeps its height and narrows its
// column by the width of a scroll bar.
void SizeFormatList(MainWindow& window);

// The drop button shows a hidden list and hides a shown one.
void OnFormatDropButtonClick(MainWindow& window);
// A click in the list: the selected item's text (empty for none) goes into
// the field, which takes the focus with its whole text selected; the list
// hides.
void OnFormatListItemChosen(MainWindow& window);
void HideFormatList(MainWindow& window);

}  // namespace corvanta
