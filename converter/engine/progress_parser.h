#pragma once

#include <string>

#include "engine/progress_display.h"

namespace corvanta {

// Reads one chunk of the encoder's console output. MEncoder's status line is
//   "Pos:%6.1fs %6df (%2d%%) %5.2ffps Trem:%4dmin %3dmb  A-V:%5.3f [%d:%d]\r"
// and only two things of it count: "Pos" somewhere in the chunk, and the
// percentage between the chunk's first "f (" and the next ") ". A chunk
// without "Pos" changes nothing. Otherwise the bar turns green, its width
// follows the percentage's leading integer and the label shows the
// percentage text as it stands (" 5%" keeps its blank); a line cut before its
// ") " gives width 0 and an empty label until the next whole line.
void ParseProgress(const std::string& chunk, ProgressDisplay& display);

// n per cent of the full bar, truncated toward zero, not bounded to the bar.
int ProgressBarWidth(int percent);

}  // namespace corvanta
