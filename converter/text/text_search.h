#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// Texts are UTF-8. Searches move through a text one character at a time: a
// lead byte and its continuation bytes form one character, a stray byte is a
// character of its own, and a match never starts inside a character.
// Positions count bytes from 1; a search that finds nothing yields -1.

// Byte length of the character that starts at `offset` (0-based); 0 at the end.
std::size_t CharacterLength(std::string_view text, std::size_t offset);

// First occurrence of `needle` at a character that starts at or after
// `startPosition` (below 1 means the first character). A start past the end,
// or an empty needle, finds nothing. `ignoreCase` folds ASCII letters only.
int FindText(std::string_view text, std::string_view needle, int startPosition = 1,
             bool ignoreCase = false);

// Byte-for-byte equality with ASCII letters folded to lower case.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Last occurrence of `needle`, scanning the whole text forward.
int FindLastText(std::string_view text, std::string_view needle);

// Splits at every `separator`, scanning character by character. The empty
// text gives no part; an empty part at the very end is dropped, while empty
// parts in between are kept.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

// Everything after the last "/" (the whole path when there is none).
std::string FileNameOfPath(std::string_view path);
// Everything up to and including the last "/" (empty when there is none).
std::string DirectoryOfPath(std::string_view path);

}  // namespace corvanta
