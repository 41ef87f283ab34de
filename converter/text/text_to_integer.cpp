#include "text/text_to_integer.h"

#include <string>

#include "text/text_search.h"

namespace corvanta {
namespace {

// Maps full-width forms to ASCII; every other character is kept as it is.
std::string NarrowFullWidth(std::string_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (std::size_t offset = 0; offset < text.size();) {
    const std::size_t length = CharacterLength(text, offset);
    if (length == 3) {
      const auto b0 = static_cast<unsigned char>(text[offset]);
      const auto b1 = static_cast<unsigned char>(text[offset + 1]);
      const auto b2 = static_cast<unsigned char>(text[offset + 2]);
      const unsigned codePoint = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
      if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) {
        narrow.push_back(static_cast<char>(codePoint - 0xFEE0));
        offset += length;
        continue;
      }
      if (codePoint == 0x3000) {
        narrow.push_back(' ');
        offset += length;
        continue;
      }
    }
    narrow.append(text.substr(offset, length));
    offset += length;
  }
  return narrow;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::int32_t TextToInteger(std::string_view text) {
  const std::string narrow = NarrowFullWidth(text);
  std::size_t i = 0;
  while (i < narrow.size() && IsBlank(narrow[i])) ++i;
  bool negative = false;
  if (i < narrow.size() && (narrow[i] == '+' || narrow[i] == '-')) {
    negative = narrow[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
  for (; i < narrow.size() && narrow[i] >= '0' && narrow[i] <= '9'; ++i) {
    value = value * 10 + (narrow[i] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(value > INT32_MAX ? INT32_MAX : value);
}

}  // namespace corvanta
