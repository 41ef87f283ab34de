#include "probe_bytes.h"

#include <cstring>

namespace corvanta::testing {
namespace {

ByteReader ReaderOf(const std::string& bytes, std::uint64_t* bytesRead) {
  return [&bytes, bytesRead](std::uint64_t offset, char* out, std::size_t size) {
    if (offset > bytes.size() || size > bytes.size() - offset) return false;
    std::memcpy(out, bytes.data() + offset, size);
    if (bytesRead != nullptr) *bytesRead += size;
    return true;
  };
}

}  // namespace

std::string LittleEndian(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string BigEndian(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

InputFacts ProbeBytes(const std::string& bytes, ProbeBudget budget, std::uint64_t* bytesRead) {
  return ProbeInput(ReaderOf(bytes, bytesRead), bytes.size(), budget);
}

OutputFacts ProbeOutputBytes(const std::string& bytes) {
  return ProbeEncoderOutput(ReaderOf(bytes, nullptr), bytes.size());
}

std::string RiffChunk(const std::string& id, const std::string& payload) {
  std::string chunk = id + LittleEndian(payload.size(), 4) + payload;
  if (payload.size() % 2 == 1) chunk += '\0';
  return chunk;
}

std::string RiffList(const std::string& id, const std::string& form, const std::string& body) {
  return RiffChunk(id, form + body);
}

std::string AviStreamList(const std::string& type, std::uint32_t scale, std::uint32_t rate,
                          std::uint32_t length, const std::string& more) {
  const std::string header = type + std::string(16, '\0') + LittleEndian(scale, 4) +
                             LittleEndian(rate, 4) + LittleEndian(0, 4) + LittleEndian(length, 4) +
                             std::string(20, '\0');
  return RiffList("LIST", "strl", RiffChunk("strh", header) + more);
}

}  // namespace corvanta::testing
