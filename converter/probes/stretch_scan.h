#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "probes/block_reader.h"

namespace corvanta {

// Gets a stretch of the file's bytes, the offset they begin at, and whether
// they lie at its start.
using StretchScan = std::function<void(std::string_view bytes, std::uint64_t offset, bool atStart)>;

// Hands `scan` MiB stretches from the start of the file until `startComplete`
// holds, then from its end backwards until `endComplete` holds or they meet
// the start's; at most six each way. True when they covered the whole file.
bool ScanStartAndEnd(BlockReader& reader, const StretchScan& scan,
                     const std::function<bool()>& startComplete,
                     const std::function<bool()>& endComplete);

}  // namespace corvanta
