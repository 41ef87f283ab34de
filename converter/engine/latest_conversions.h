#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace corvanta {

// Which run, by its number, began the latest conversion of each queue row
// and the latest encoding into each output path. A run that finds its row
// or its output taken by a newer run leaves that row or file alone: the
// newer conversion is the one the user sees and keeps.
class LatestConversions {
 public:
  void BeginRow(int row, std::uint32_t run) { rows_[row] = run; }
  void BeginOutput(const std::string& path, std::uint32_t run) { outputs_[path] = run; }

  // A run numbered above `run` has begun converting `row`.
  bool RowTakenAfter(int row, std::uint32_t run) const;
  // A run numbered above `run` has begun encoding into `path`, under that
  // name or another name of the same file.
  bool OutputTakenAfter(const std::string& path, std::uint32_t run) const;

  void Forget();

 private:
  std::map<int, std::uint32_t> rows_;
  std::map<std::string, std::uint32_t> outputs_;
};

}  // namespace corvanta
