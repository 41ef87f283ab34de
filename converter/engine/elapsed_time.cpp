#include "engine/elapsed_time.h"

#include "platform/tick_count.h"

namespace corvanta {
namespace {

void AppendTwoDigitsAtLeast(std::string& text, std::int64_t value) {
  if (value <= 9) text += '0';
  text += std::to_string(value);
}

}  // namespace

std::string FormatHms(std::int32_t seconds) {
  std::string text;
  // Widened first: the magnitude of the most negative value does not fit.
  std::int64_t s = seconds;
  if (s < 0) {
    text += '-';
    s = -s;
  }
  const std::int64_t hours = s / 3600;
  const std::int64_t minutes = (s - hours * 3600) / 60;
  const std::int64_t rest = s - hours * 3600 - minutes * 60;
  AppendTwoDigitsAtLeast(text, hours);
  text += ':';
  AppendTwoDigitsAtLeast(text, minutes);
  text += ':';
  AppendTwoDigitsAtLeast(text, rest);
  return text;
}

void UpdateElapsedTime(std::int32_t tickCount, ElapsedLabel& label, RunState& state) {
  const std::uint32_t elapsed = TicksBetween(state.RunStartTick, tickCount);
  state.ElapsedMs = static_cast<std::int32_t>(elapsed);
  // Seconds come from the unsigned difference so that a run beyond 2^31 ms
  // (about 24.8 days) goes on counting up instead of turning negative; below
  // that they equal ElapsedMs / 1000.
  const auto seconds = static_cast<std::int32_t>(elapsed / 1000u);
  const std::string text = FormatHms(seconds);
  if (label.Text() != text) label.SetText(text);
}

}  // namespace corvanta
