#pragma once

#include <optional>

namespace corvanta {

// One kind of stream in a file: whether the file holds one, and how long
// the first of them lasts where the container tells it.
struct StreamLength {
  bool present = false;
  std::optional<double> seconds;
};

}  // namespace corvanta
