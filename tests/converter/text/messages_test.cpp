#include "text/messages.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

const std::string kContact = std::string("【") + kSupportContact + "】";

TEST(Messages, StartRefusalsCarryTheirBlanksAndTheContact) {
  const auto empty = EmptyQueueRefusal();
  EXPECT_EQ(empty.caption, "系统提示" + std::string(39, ' '));
  EXPECT_EQ(empty.text, "请添加要转换的视频文件" + std::string(22, ' ') + "\r\n\r\n  " + kContact);
  const auto folder = NoOutputFolderRefusal();
  EXPECT_EQ(folder.caption, empty.caption);
  EXPECT_EQ(folder.text,
            "请设置输出的目录" + std::string(19, ' ') + "\r\n\r\n " + kContact + "   ");
}

TEST(Messages, QueueRefusalsDifferInTheirCaptionBlanks) {
  EXPECT_EQ(DeleteRefusal().caption, "系统提示 " + kContact + std::string(22, ' '));
  EXPECT_EQ(DeleteRefusal().text, "正在转换，不可以删除，请暂停，再操作！");
  EXPECT_EQ(ClearRefusal().caption, "系统提示  " + kContact + std::string(22, ' '));
  EXPECT_EQ(ClearRefusal().text, "正在转换，不可以清空，请暂停，再操作！");
}

TEST(Messages, WelcomeIsOneLineWithOneBlankBeforeThanks) {
  const auto welcome = WelcomeMessage();
  EXPECT_EQ(welcome.caption, "系统帮忙     ");
  EXPECT_EQ(welcome.text,
            std::string("欢迎你使用【Corvanta】如有任何问题请加") + kContact + "反馈 谢谢多多支持");
}

TEST(Messages, FatalDetailsOfTheBindingAndOfTheStartWindow) {
  EXPECT_EQ(MissingExportDetail("kelvane.dll", "zhaui"),
            "无法找到指定DLL库文件“kelvane.dll”中的输出命令“zhaui”");
  EXPECT_STREQ(kStartWindowFailure, "载入启动窗口失败");
}

}  // namespace
}  // namespace corvanta
