#pragma once

#include <dlfcn.h>

#include <cstdint>

namespace corvanta::testing {

// The built kelvane.dll, loaded and bound by name the way the converter does.
struct KelvaneLibrary {
  void* handle = nullptr;
  const char* (*FormatKB)(std::uint32_t) = nullptr;
  void (*fjp)(std::uint32_t, std::int32_t) = nullptr;
  const char* (*rszckl)(std::uint32_t, const char*, const char*, const char*,
                        std::int32_t) = nullptr;
  const char* (*zhaui)(const char*) = nullptr;
  float (*QueryKilobytes)(const char*) = nullptr;  // 文件_取尺寸
};

template <class Function>
void Bind(void* handle, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
}

inline const KelvaneLibrary& Kelvane() {
  static const KelvaneLibrary library = [] {
    KelvaneLibrary bound;
    bound.handle = dlopen(KELVANE_DLL, RTLD_NOW | RTLD_LOCAL);
    if (bound.handle == nullptr) return bound;
    Bind(bound.handle, "FormatKB", bound.FormatKB);
    Bind(bound.handle, "fjp", bound.fjp);
    Bind(bound.handle, "rszckl", bound.rszckl);
    Bind(bound.handle, "zhaui", bound.zhaui);
    Bind(bound.handle, "文件_取尺寸", bound.QueryKilobytes);
    return bound;
  }();
  return library;
}

}  // namespace corvanta::testing
