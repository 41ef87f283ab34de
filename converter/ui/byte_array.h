#pragma once

#include <span>

#include <QByteArray>

namespace corvanta {

// A copy of a block of bytes, such as an embedded picture, in the form the
// widgets keep them.
inline QByteArray ToByteArray(std::span<const unsigned char> bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

}  // namespace corvanta
