#pragma once

#include <cstddef>
#include <string_view>

namespace corvanta::kelvane {

// Texts that cross the export boundary are NUL-terminated blocks of their own
// on the C heap. One constant empty text stands for "no text"; releasing it or
// a null pointer does nothing.
const char* EmptyText();

// A new block of `bytes` bytes, all zero. A block that cannot be had ends the
// process through the fatal box, so callers never see a null pointer.
char* AllocateBlock(std::size_t bytes);

// A new text holding `bytes` and a terminating NUL.
const char* NewText(std::string_view bytes);

// The library's own copy of a caller's text: null becomes the empty text,
// anything else a new text with its bytes up to and including the NUL. The
// caller's text is never kept, so it may be a text this library returned.
const char* CopyArgumentText(const char* argument);

void ReleaseText(const char* text);

}  // namespace corvanta::kelvane
