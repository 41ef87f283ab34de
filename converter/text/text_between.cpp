#include "text/text_between.h"

#include "text/text_search.h"

namespace corvanta {
namespace {

constexpr std::string_view kQuoteMarker = "#引号";

std::string ReplaceQuoteMarker(std::string_view delimiter) {
  std::string replaced;
  replaced.reserve(delimiter.size());
  for (std::size_t offset = 0; offset < delimiter.size();) {
    if (delimiter.substr(offset).starts_with(kQuoteMarker)) {
      replaced.push_back('"');
      offset += kQuoteMarker.size();
      continue;
    }
    const std::size_t length = CharacterLength(delimiter, offset);
    replaced.append(delimiter.substr(offset, length));
    offset += length;
  }
  return replaced;
}

}  // namespace

std::string TextBetween(std::string_view text, std::string_view leftDelimiter,
                        std::string_view rightDelimiter, int startPosition, bool ignoreCase) {
  const std::string left = ReplaceQuoteMarker(leftDelimiter);
  const std::string right = ReplaceQuoteMarker(rightDelimiter);
  const int leftAt = FindText(text, left, startPosition, ignoreCase);
  if (leftAt < 1) return {};
  const int contentAt = leftAt + static_cast<int>(left.size());
  const int rightAt = FindText(text, right, contentAt, ignoreCase);
  if (rightAt < 1) return {};
  return std::string(text.substr(static_cast<std::size_t>(contentAt - 1),
                                 static_cast<std::size_t>(rightAt - contentAt)));
}

}  // namespace corvanta
