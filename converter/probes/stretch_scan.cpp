#include "probes/stretch_scan.h"

#include <algorithm>
#include <string>

namespace corvanta {
namespace {

constexpr std::uint64_t kStretch = 1 << 20;
constexpr int kMaxStretches = 6;

}  // namespace

bool ScanStartAndEnd(BlockReader& reader, const StretchScan& scan,
                     const std::function<bool()>& startComplete,
                     const std::function<bool()>& endComplete) {
  std::uint64_t start = 0;
  for (int i = 0; i < kMaxStretches && start < reader.size() && (i == 0 || !startComplete()); ++i) {
    const std::string stretch = reader.ReadStretch(start, kStretch);
    if (stretch.empty()) return false;
    scan(stretch, start, true);
    start += stretch.size();
  }
  std::uint64_t end = reader.size();
  for (int i = 0; i < kMaxStretches && end > start && !endComplete(); ++i) {
    const std::uint64_t begin = std::max(start, end > kStretch ? end - kStretch : 0);
    const std::string stretch = reader.ReadStretch(begin, end - begin);
    if (stretch.empty()) return false;
    scan(stretch, begin, false);
    end = begin;
  }
  return end <= start;
}

}  // namespace corvanta
