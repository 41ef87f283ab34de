// The library's whole export table. Every argument is one 32-bit word or a
// text pointer; text results belong to the library (see result_holders.h).

#include <cstdint>
#include <string>

#include "byte_size_text.h"
#include "file_size.h"
#include "library_text.h"
#include "open_file_dialog.h"
#include "result_holders.h"
#include "user_message.h"

#define KELVANE_EXPORT extern "C" __attribute__((visibility("default")))

using namespace corvanta::kelvane;

KELVANE_EXPORT const char* FormatKB(std::uint32_t count) {
  const char* result = NewText(FormatByteSizeText(count));
  return StoreResult(LastFormatResult, result);
}

KELVANE_EXPORT void fjp(std::uint32_t hwnd, std::int32_t lParam) { PostUserMessage(hwnd, lParam); }

KELVANE_EXPORT const char* rszckl(std::uint32_t hwndOwner, const char* title, const char* filter,
                                  const char* initialDir, std::int32_t keepCurrentDir) {
  const char* titleCopy = CopyArgumentText(title);
  const char* filterCopy = CopyArgumentText(filter);
  const char* initialDirCopy = CopyArgumentText(initialDir);
  const std::string pathList =
      ShowOpenFileDialog(hwndOwner, titleCopy, filterCopy, initialDirCopy, keepCurrentDir);
  ReleaseText(titleCopy);
  ReleaseText(filterCopy);
  ReleaseText(initialDirCopy);
  return StoreResult(LastOpenDialogResult, NewText(pathList));
}

KELVANE_EXPORT const char* zhaui(const char* path) {
  const char* pathCopy = CopyArgumentText(path);
  const std::string sizeText = GetFileSizeText(pathCopy);
  ReleaseText(pathCopy);
  return StoreResult(LastSizeTextResult, NewText(sizeText));
}

KELVANE_EXPORT float 文件_取尺寸(const char* path) {
  const char* pathCopy = CopyArgumentText(path);
  const float kilobytes = QueryFileSizeKilobytes(pathCopy);
  ReleaseText(pathCopy);
  return kilobytes;
}
