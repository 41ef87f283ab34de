#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The text between the first `leftDelimiter` at or after `startPosition`
// (1-based; below 1 means the first character) and the first
// `rightDelimiter` after it; empty when either is missing. "#引号" in a
// delimiter stands for a double quote, so callers can name one without
// escaping. Searches follow the character-wise rules of text/text_search.h;
// `ignoreCase` folds ASCII letters only.
std::string TextBetween(std::string_view text, std::string_view leftDelimiter,
                        std::string_view rightDelimiter, int startPosition, bool ignoreCase);

}  // namespace corvanta
