#pragma once

#include <cstdint>

namespace corvanta {

// Unsigned integers as file formats store them, from bytes already read.

inline std::uint32_t LittleEndian16(const char* bytes) {
  return static_cast<unsigned char>(bytes[0]) | (static_cast<unsigned char>(bytes[1]) << 8);
}

inline std::uint32_t LittleEndian32(const char* bytes) {
  return LittleEndian16(bytes) | (LittleEndian16(bytes + 2) << 16);
}

inline std::uint64_t LittleEndian64(const char* bytes) {
  return LittleEndian32(bytes) | (std::uint64_t{LittleEndian32(bytes + 4)} << 32);
}

inline std::uint32_t BigEndian16(const char* bytes) {
  return (static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]);
}

inline std::uint32_t BigEndian24(const char* bytes) {
  return (BigEndian16(bytes) << 8) | static_cast<unsigned char>(bytes[2]);
}

inline std::uint32_t BigEndian32(const char* bytes) {
  return (BigEndian16(bytes) << 16) | BigEndian16(bytes + 2);
}

inline std::uint64_t BigEndian64(const char* bytes) {
  return (std::uint64_t{BigEndian32(bytes)} << 32) | BigEndian32(bytes + 4);
}

}  // namespace corvanta
