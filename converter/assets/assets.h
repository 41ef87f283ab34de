#pragma once

#include <span>

namespace corvanta::assets {

using Bytes = std::span<const unsigned char>;

}  // namespace corvanta::assets
