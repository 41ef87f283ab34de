#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvanta {

// The flags that coordinate a run with the handlers nested inside it. A stop
// is taken only when StopRequested is exactly 1; Clear and Delete refuse only
// while IsConverting is exactly 1.
extern std::int32_t StopRequested;
extern std::int32_t IsConverting;

// The settings of the current (or last) run; none until the first run.
extern std::optional<std::string> AudioCodecText;
extern std::optional<std::string> AudioBitrateText;
extern std::optional<std::string> SampleRateText;
extern std::optional<std::string> VideoBitrateText;
extern std::optional<std::string> FrameRateText;
extern std::optional<std::string> ResolutionText;
extern std::optional<std::string> VideoCodecText;

// Milliseconds on the 32-bit wrapping tick clock.
extern std::int32_t RunStartTick;
extern std::int32_t ElapsedMs;

// The exit routine: releases the seven setting texts.
void FreeGlobalTexts();

}  // namespace corvanta
