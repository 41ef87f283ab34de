#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The text that one read of encoder output hands to the progress parser:
// every LF becomes CR LF (a CR already there stays, so CR LF turns into
// CR CR LF), and the text ends at the first NUL byte. Nothing is carried over
// from one read to the next: `text` is replaced, and only its storage is
// kept, so reading turn after turn allocates nothing.
void OutputChunkText(std::string_view bytes, std::string& text);

}  // namespace corvanta
