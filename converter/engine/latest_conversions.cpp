#include "engine/latest_conversions.h"

#include "platform/same_file.h"

namespace corvanta {

bool LatestConversions::RowTakenAfter(int row, std::uint32_t run) const {
  const auto found = rows_.find(row);
  return found != rows_.end() && found->second > run;
}

bool LatestConversions::OutputTakenAfter(const std::string& path, std::uint32_t run) const {
  for (const auto& [output, latest] : outputs_) {
    if (latest > run && SameFile(output, path)) return true;
  }
  return false;
}

void LatestConversions::Forget() {
  rows_.clear();
  outputs_.clear();
}

}  // namespace corvanta
