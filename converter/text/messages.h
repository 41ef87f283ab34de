#pragma once

#include <string>

namespace corvanta {

// The contact that every refusal, caption and the welcome text name.
inline constexpr const char* kSupportContact = "support@corvanta.example";

// Message boxes: (caption, text) pairs. The blanks are part of the texts.
struct MessageText {
  std::string caption;
  std::string text;
};

MessageText EmptyQueueRefusal();
MessageText NoOutputFolderRefusal();
MessageText DeleteRefusal();
MessageText ClearRefusal();
MessageText WelcomeMessage();

// The fatal box's detail when the main window cannot be made.
inline constexpr const char* kStartWindowFailure = "载入启动窗口失败";
// The fatal box's detail when the utility library or one of its exports is
// missing: "无法找到指定DLL库文件“<library>”中的输出命令“<symbol>”".
std::string MissingExportDetail(const std::string& library, const std::string& symbol);

}  // namespace corvanta
