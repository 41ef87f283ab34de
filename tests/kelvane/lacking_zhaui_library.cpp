// A stand-in kelvane.dll that lacks the export "zhaui", for the binding's
// fatal path. Its "rszckl" answers without a dialog, so a test can tell which
// kelvane.dll the binding found.

#include <cstdint>

#define STAND_IN_EXPORT extern "C" __attribute__((visibility("default")))

STAND_IN_EXPORT const char* FormatKB(std::uint32_t) { return "0 字节"; }
STAND_IN_EXPORT void fjp(std::uint32_t, std::int32_t) {}
STAND_IN_EXPORT const char* rszckl(std::uint32_t, const char*, const char*, const char*,
                                   std::int32_t) {
  return "/stand-in/kelvane.dll";
}
STAND_IN_EXPORT float 文件_取尺寸(const char*) { return 0; }
