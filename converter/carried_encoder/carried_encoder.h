#pragma once

#include <span>
#include <string>

namespace corvanta {

// The encoder executable that the converter carries inside itself.
std::span<const unsigned char> CarriedEncoder();

// Writes the carried encoder to `encoderPath` with mode 0755 when nothing of
// that name exists; an existing file, folder or link is used unchanged. The
// file appears complete or not at all. Failures are silent: the run goes on
// and the encoder then simply cannot start.
void EnsureEncoderFile(const std::string& encoderPath);

}  // namespace corvanta
