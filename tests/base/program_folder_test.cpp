#include "program_folder.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(ProgramFolder, IsThePathBeforeItsLastSeparatorAndTheRootForAProgramThere) {
  EXPECT_EQ(FolderOfPath("/opt/转换/converter"), "/opt/转换");
  EXPECT_EQ(FolderOfPath("/converter"), "/");
}

}  // namespace
}  // namespace corvanta
