#pragma once

#include <cstdint>
#include <string>

#include "probes/encoder_output.h"
#include "probes/input_facts.h"

namespace corvanta::testing {

// Byte blocks as file formats store numbers.
std::string LittleEndian(std::uint64_t value, int bytes);
std::string BigEndian(std::uint64_t value, int bytes);

// The probes over a block of bytes in memory. `bytesRead`, when given,
// receives how many bytes the probe asked for in all.
InputFacts ProbeBytes(const std::string& bytes, ProbeBudget budget = {},
                      std::uint64_t* bytesRead = nullptr);
OutputFacts ProbeOutputBytes(const std::string& bytes);

// RIFF chunks and lists, padded to even size.
std::string RiffChunk(const std::string& id, const std::string& payload);
std::string RiffList(const std::string& id, const std::string& form, const std::string& body);
// A stream list ("strl") whose stream header says: type, dwScale, dwRate,
// dwLength; `more` follows the header.
std::string AviStreamList(const std::string& type, std::uint32_t scale, std::uint32_t rate,
                          std::uint32_t length, const std::string& more = "");

}  // namespace corvanta::testing
