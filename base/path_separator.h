#pragma once

namespace corvanta {

// The one character that separates path parts: folder texts end in it and
// every last-separator search looks for it.
inline constexpr char kPathSeparator = '/';
inline constexpr const char* kPathSeparatorText = "/";

}  // namespace corvanta
