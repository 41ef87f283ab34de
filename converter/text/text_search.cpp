#include "text/text_search.h"

#include "path_separator.h"

namespace corvanta {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

unsigned char FoldAscii(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

bool MatchesAt(std::string_view text, std::size_t offset, std::string_view needle,
               bool ignoreCase) {
  if (text.size() - offset < needle.size()) return false;
  for (std::size_t i = 0; i < needle.size(); ++i) {
    auto a = static_cast<unsigned char>(text[offset + i]);
    auto b = static_cast<unsigned char>(needle[i]);
    if (ignoreCase ? FoldAscii(a) != FoldAscii(b) : a != b) return false;
  }
  return true;
}

}  // namespace

std::size_t CharacterLength(std::string_view text, std::size_t offset) {
  if (offset >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[offset]);
  std::size_t expected = 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    expected = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    expected = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    expected = 4;
  if (text.size() - offset < expected) return 1;
  for (std::size_t i = 1; i < expected; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[offset + i]))) return 1;
  }
  return expected;
}

int FindText(std::string_view text, std::string_view needle, int startPosition, bool ignoreCase) {
  if (needle.empty()) return -1;
  const std::size_t start = startPosition < 1 ? 0 : static_cast<std::size_t>(startPosition - 1);
  if (start >= text.size()) return -1;
  for (std::size_t offset = 0; offset < text.size(); offset += CharacterLength(text, offset)) {
    if (offset >= start && MatchesAt(text, offset, needle, ignoreCase)) {
      return static_cast<int>(offset) + 1;
    }
  }
  return -1;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && MatchesAt(a, 0, b, true);
}

int FindLastText(std::string_view text, std::string_view needle) {
  if (needle.empty()) return -1;
  int last = -1;
  for (std::size_t offset = 0; offset < text.size(); offset += CharacterLength(text, offset)) {
    if (MatchesAt(text, offset, needle, false)) last = static_cast<int>(offset) + 1;
  }
  return last;
}

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  std::size_t partStart = 0;
  std::size_t offset = 0;
  while (offset < text.size()) {
    if (MatchesAt(text, offset, separator, false)) {
      parts.emplace_back(text.substr(partStart, offset - partStart));
      offset += separator.size();
      partStart = offset;
    } else {
      offset += CharacterLength(text, offset);
    }
  }
  if (partStart < text.size()) parts.emplace_back(text.substr(partStart));
  return parts;
}

std::string FileNameOfPath(std::string_view path) {
  const int p = FindLastText(path, kPathSeparatorText);
  return std::string(p < 1 ? path : path.substr(static_cast<std::size_t>(p)));
}

std::string DirectoryOfPath(std::string_view path) {
  const int p = FindLastText(path, kPathSeparatorText);
  return p < 1 ? std::string() : std::string(path.substr(0, static_cast<std::size_t>(p)));
}

}  // namespace corvanta
