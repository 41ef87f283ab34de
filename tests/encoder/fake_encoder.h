#pragma once

#include <cstdio>
#include <string>

#include "process_test_support.h"

namespace corvanta::testing {

// A shell command that prints one MEncoder status line at `percent`, with
// the blank MEncoder puts before a one-digit value.
inline std::string PrintStatusLine(int percent) {
  char line[160];
  std::snprintf(line, sizeof line,
                "printf 'Pos:   1.0s     25f (%2d%%%%) 25.00fps Trem:   0min   0mb  "
                "A-V:0.000 [0:0]\\r'\n",
                percent);
  return line;
}

// Writes a fake encoder under the encoder's own name into `folder` and
// returns its full path.
inline std::string WriteFakeEncoder(const TempFolder& folder, const std::string& body,
                                    const std::string& subfolder = {}) {
  std::string directory = folder.path();
  if (!subfolder.empty()) {
    directory += "/" + subfolder;
    std::filesystem::create_directories(directory);
  }
  const std::string path = directory + "/quorbel.exe";
  WriteScript(path, body);
  return path;
}

}  // namespace corvanta::testing
