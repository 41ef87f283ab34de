#include "engine/output_chunk.h"

namespace corvanta {

void OutputChunkText(std::string_view bytes, std::string& text) {
  const std::size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  text.clear();
  for (const char byte : bytes) {
    if (byte == '\n') text.push_back('\r');
    text.push_back(byte);
  }
}

}  // namespace corvanta
