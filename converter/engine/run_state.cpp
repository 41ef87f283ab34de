#include "engine/run_state.h"

namespace corvanta {

std::int32_t StopRequested = 0;
std::int32_t IsConverting = 0;

std::optional<std::string> AudioCodecText;
std::optional<std::string> AudioBitrateText;
std::optional<std::string> SampleRateText;
std::optional<std::string> VideoBitrateText;
std::optional<std::string> FrameRateText;
std::optional<std::string> ResolutionText;
std::optional<std::string> VideoCodecText;

std::int32_t RunStartTick = 0;
std::int32_t ElapsedMs = 0;

void FreeGlobalTexts() {
  for (auto* text : {&AudioCodecText, &AudioBitrateText, &SampleRateText, &VideoBitrateText,
                     &FrameRateText, &ResolutionText, &VideoCodecText}) {
    text->reset();
  }
}

}  // namespace corvanta
