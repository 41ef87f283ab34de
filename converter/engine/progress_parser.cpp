#include "engine/progress_parser.h"

#include <cmath>
#include <limits>

#include "text/text_between.h"
#include "text/text_search.h"
#include "text/text_to_integer.h"

namespace corvanta {

int ProgressBarWidth(int percent) {
  const double width = std::trunc(static_cast<double>(percent) * kBarDesignWidth / 100.0);
  // A garbled line can carry a huge number; keep the width representable.
  constexpr double kMax = std::numeric_limits<int>::max();
  constexpr double kMin = std::numeric_limits<int>::min();
  if (width > kMax) return std::numeric_limits<int>::max();
  if (width < kMin) return std::numeric_limits<int>::min();
  return static_cast<int>(width);
}

void ParseProgress(const std::string& chunk, ProgressDisplay& display) {
  if (FindText(chunk, "Pos", 1, false) < 1) return;
  // Deliberately from the start of the chunk, not from "Pos": with several
  // status lines in one chunk the first one counts.
  const std::string percentText = TextBetween(chunk, "f (", ") ", 0, false);
  display.SetBarColor(kProgressGreen);
  display.SetBarWidth(ProgressBarWidth(TextToInteger(percentText)));
  display.SetPercentText(percentText);
}

}  // namespace corvanta
