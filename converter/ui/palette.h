#pragma once

#include <cstdint>

class QWidget;

namespace corvanta {

// Text colour for every role a control may draw its text with.
void SetTextColor(QWidget* control, std::uint32_t colorref);
// Background for every role a control may fill with, drawn by the control.
void SetBackgroundColor(QWidget* control, std::uint32_t colorref);

}  // namespace corvanta
