#include "engine/output_chunk.h"

namespace corvanta {

std::string OutputChunkText(std::string_view bytes) {
  const std::size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 8);
  for (const char byte : bytes) {
    if (byte == '\n') text.push_back('\r');
    text.push_back(byte);
  }
  return text;
}

}  // namespace corvanta
