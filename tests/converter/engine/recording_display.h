#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/progress_display.h"

namespace corvanta::testing {

// Remembers every write in order, as "left 56", "width 29", "color 35ed1f",
// "text  5%", and the state those writes leave.
class RecordingDisplay : public ProgressDisplay {
 public:
  void SetBarLeft(int left) override {
    left_ = left;
    writes.push_back("left " + std::to_string(left));
  }
  void SetBarWidth(int width) override {
    width_ = width;
    writes.push_back("width " + std::to_string(width));
  }
  void SetBarColor(std::uint32_t colorref) override {
    color_ = colorref;
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06x", static_cast<unsigned>(colorref));
    writes.push_back(std::string("color ") + hex);
  }
  void SetPercentText(const std::string& text) override {
    text_ = text;
    writes.push_back("text " + text);
  }

  int left() const { return left_; }
  int width() const { return width_; }
  std::uint32_t color() const { return color_; }
  const std::string& text() const { return text_; }

  std::vector<std::string> writes;

 private:
  int left_ = -1;
  int width_ = -1;
  std::uint32_t color_ = 0;
  std::string text_ = "<unset>";
};

}  // namespace corvanta::testing
