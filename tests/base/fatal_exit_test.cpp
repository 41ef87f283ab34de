#include "fatal_exit.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(FatalError, CaptionAndTextAroundTheDetail) {
  EXPECT_STREQ(kFatalErrorCaption, "错误");
  EXPECT_EQ(FatalErrorText("载入启动窗口失败"),
            "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
}

}  // namespace
}  // namespace corvanta
