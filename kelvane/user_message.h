#pragma once

#include <cstdint>

namespace corvanta::kelvane {

// Posts a UserMessageEvent (message 0x409, wParam 0, the given lParam) to the
// widget whose window id is `hwnd` and returns at once. An unknown id, 0, or a
// host without a running QApplication gets nothing.
void PostUserMessage(std::uint32_t hwnd, std::int32_t lParam);

}  // namespace corvanta::kelvane
