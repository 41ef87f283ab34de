#include "engine/run_state.h"

namespace corvanta {

void RunState::FreeGlobalTexts() {
  for (auto* text : {&AudioCodecText, &AudioBitrateText, &SampleRateText, &VideoBitrateText,
                     &FrameRateText, &ResolutionText, &VideoCodecText}) {
    text->reset();
  }
}

}  // namespace corvanta
