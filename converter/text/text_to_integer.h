#pragma once

#include <cstdint>
#include <string_view>

namespace corvanta {

// Reads a decimal integer the way the encoder's percentage field is read:
// full-width forms U+FF01..U+FF5E count as their ASCII characters and U+3000
// as a blank; leading white space is skipped, then an optional sign, then
// digits up to the first other character. No digit gives 0; values beyond
// 32 bits are clamped.
std::int32_t TextToInteger(std::string_view text);

}  // namespace corvanta
