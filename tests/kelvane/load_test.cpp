#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QtGlobal>

#include <filesystem>

#include "common/temporary_folder.h"

namespace corvanta::kelvane {
namespace {

// The only test of its program, so this dlopen is the library's first load.
TEST(LoadingTheLibrary, MovesTheHostIntoTheFolderOfItsExecutable) {
  // The host keeps Qt loaded, as the converter does, so that unloading the
  // library unloads only the library.
  ASSERT_NE(qVersion(), nullptr);
  testing::TemporaryFolder elsewhere;
  std::filesystem::current_path(elsewhere.path());
  void* handle = dlopen(KELVANE_DLL, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  EXPECT_EQ(std::filesystem::current_path(),
            std::filesystem::read_symlink("/proc/self/exe").parent_path());

  // Unloading after results were handed out releases them without harm.
  auto formatKB = reinterpret_cast<const char* (*)(std::uint32_t)>(dlsym(handle, "FormatKB"));
  ASSERT_NE(formatKB, nullptr);
  EXPECT_STREQ(formatKB(2048), "2.00 KB");
  EXPECT_EQ(dlclose(handle), 0);
}

}  // namespace
}  // namespace corvanta::kelvane
