#include "engine/output_verdict.h"

#include <algorithm>
#include <cmath>

namespace corvanta {
namespace {

constexpr double kLeastTolerance = 0.5;
constexpr double kShareTolerance = 0.05;

bool LastsAsLong(const StreamLength& output, std::optional<double> input) {
  if (!output.present) return false;
  if (!input) return true;
  if (!output.seconds) return false;
  const double tolerance = std::max(kLeastTolerance, kShareTolerance * *input);
  return std::abs(*output.seconds - *input) <= tolerance;
}

}  // namespace

bool OutputHoldsInput(const InputFacts& input, const OutputFacts& output) {
  if (!output.avi || !output.complete) return false;
  // A container that tells only its whole length tells the picture's.
  const std::optional<double> video =
      input.video.seconds ? input.video.seconds : input.overallSeconds;
  if (!LastsAsLong(output.video, video)) return false;
  if (!input.audio.present) return true;
  return LastsAsLong(output.audio, input.audio.seconds);
}

}  // namespace corvanta
