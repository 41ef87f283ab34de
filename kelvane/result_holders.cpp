#include "result_holders.h"

#include "library_text.h"

namespace corvanta::kelvane {

const char* LastOpenDialogResult = nullptr;
const char* LastSizeTextResult = nullptr;
const char* LastFormatResult = nullptr;

const char* StoreResult(const char*& holder, const char* result) {
  ReleaseText(holder);
  holder = result;
  return result;
}

void ReleaseExportResults() {
  // Cleared as well, so that a stray call after the unload began cannot free
  // a text twice.
  for (const char** holder : {&LastOpenDialogResult, &LastSizeTextResult, &LastFormatResult}) {
    ReleaseText(*holder);
    *holder = nullptr;
  }
}

}  // namespace corvanta::kelvane
