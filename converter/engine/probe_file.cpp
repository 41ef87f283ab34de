#include "engine/probe_file.h"

#include "platform/read_only_file.h"

namespace corvanta {

InputFacts ProbeInputFile(const std::string& path) {
  const ReadOnlyFile file(path);
  return ProbeInput(file.reader(), file.size());
}

OutputFacts ProbeOutputFile(const std::string& path) {
  const ReadOnlyFile file(path);
  return ProbeEncoderOutput(file.reader(), file.size());
}

}  // namespace corvanta
