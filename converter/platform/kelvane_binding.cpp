#include "platform/kelvane_binding.h"

#include <dlfcn.h>

#include "path_separator.h"
#include "platform/fatal_error.h"
#include "program_folder.h"
#include "text/messages.h"

namespace corvanta::kelvane {
namespace {

constexpr const char* kLibraryFileName = "kelvane.dll";

using OpenFilesFunction = const char* (*)(std::uint32_t, const char*, const char*, const char*,
                                          std::int32_t);
using FileSizeTextFunction = const char* (*)(const char*);

[[noreturn]] void StopWithMissingExport(const char* exportName) {
  StopWithFatalError(MissingExportDetail(kLibraryFileName, exportName));
}

// The program's own folder first, then the system's library search. Once
// loaded, the library is never closed.
void* OpenKelvane() {
  void* handle = nullptr;
  if (!ProgramFolder().empty()) {
    const std::string besideProgram = ProgramFolder() + kPathSeparatorText + kLibraryFileName;
    handle = dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL);
  }
  if (handle == nullptr) handle = dlopen(kLibraryFileName, RTLD_NOW | RTLD_LOCAL);
  return handle;
}

void* BindExport(const char* exportName) {
  static void* const library = OpenKelvane();
  if (library == nullptr) StopWithMissingExport(exportName);
  void* address = dlsym(library, exportName);
  if (address == nullptr) StopWithMissingExport(exportName);
  return address;
}

// The library's text stays valid only until the next call of the same
// export, so it is copied before anything else runs.
std::string CopyResult(const char* result) { return result == nullptr ? std::string() : result; }

}  // namespace

std::string OpenFiles(std::uint32_t hwndOwner, const char* title, const char* filter,
                      const char* initialDir, std::int32_t keepCurrentDir) {
  static const auto rszckl = reinterpret_cast<OpenFilesFunction>(BindExport("rszckl"));
  return CopyResult(rszckl(hwndOwner, title, filter, initialDir, keepCurrentDir));
}

std::string FileSizeText(const std::string& path) {
  static const auto zhaui = reinterpret_cast<FileSizeTextFunction>(BindExport("zhaui"));
  return CopyResult(zhaui(path.c_str()));
}

}  // namespace corvanta::kelvane
