#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/latest_conversions.h"

namespace corvanta {

// The state a run shares with the handlers nested inside it. The main window
// owns the one object; every run started in that window, nested or not, works
// on it.
struct RunState {
  // A stop is taken only when StopRequested is exactly 1; Clear and Delete
  // refuse only while IsConverting is exactly 1.
  std::int32_t StopRequested = 0;
  std::int32_t IsConverting = 0;

  // Runs started so far, each numbered by this count when it starts, and
  // runs still inside their call: after a stop a run goes on until its
  // encoder returns, and a run started meanwhile is nested inside it.
  std::uint32_t RunsStarted = 0;
  std::int32_t RunsInProgress = 0;
  // Kept while any run is in progress.
  LatestConversions Latest;

  // The settings of the current (or last) run; none until the first run.
  std::optional<std::string> AudioCodecText;
  std::optional<std::string> AudioBitrateText;
  std::optional<std::string> SampleRateText;
  std::optional<std::string> VideoBitrateText;
  std::optional<std::string> FrameRateText;
  std::optional<std::string> ResolutionText;
  std::optional<std::string> VideoCodecText;

  // Milliseconds on the 32-bit wrapping tick clock.
  std::int32_t RunStartTick = 0;
  std::int32_t ElapsedMs = 0;

  // Taken when the window is created and read by the format chooser: the
  // vertical position of the format list's second item and the width of its
  // column, in pixels.
  std::int32_t FormatListRowHeight = 0;
  std::int32_t FormatListColumnWidth = 0;

  // Releases the seven setting texts; the program's exit routine.
  void FreeGlobalTexts();
};

}  // namespace corvanta
