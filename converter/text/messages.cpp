#include "text/messages.h"

namespace corvanta {
namespace {

std::string Blanks(std::size_t count) { return std::string(count, ' '); }

std::string Bracketed(const char* contact) { return std::string("【") + contact + "】"; }

}  // namespace

MessageText EmptyQueueRefusal() {
  return {"系统提示" + Blanks(39), "请添加要转换的视频文件" + Blanks(22) + "\r\n\r\n" + Blanks(2) +
                                       Bracketed(kSupportContact)};
}

MessageText NoOutputFolderRefusal() {
  return {"系统提示" + Blanks(39), "请设置输出的目录" + Blanks(19) + "\r\n\r\n" + Blanks(1) +
                                       Bracketed(kSupportContact) + Blanks(3)};
}

MessageText DeleteRefusal() {
  return {"系统提示" + Blanks(1) + Bracketed(kSupportContact) + Blanks(22),
          "正在转换，不可以删除，请暂停，再操作！"};
}

MessageText ClearRefusal() {
  return {"系统提示" + Blanks(2) + Bracketed(kSupportContact) + Blanks(22),
          "正在转换，不可以清空，请暂停，再操作！"};
}

MessageText WelcomeMessage() {
  return {"系统帮忙" + Blanks(5), std::string("欢迎你使用【Corvanta】如有任何问题请加【") +
                                      kSupportContact + "】反馈 谢谢多多支持"};
}

std::string MissingExportDetail(const std::string& library, const std::string& symbol) {
  return "无法找到指定DLL库文件“" + library + "”中的输出命令“" + symbol + "”";
}

}  // namespace corvanta
