#include "user_message.h"

#include <QApplication>
#include <QWidget>

#include "user_message_event.h"

namespace corvanta::kelvane {

void PostUserMessage(std::uint32_t hwnd, std::int32_t lParam) {
  if (hwnd == 0 || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  QWidget* window = QWidget::find(static_cast<WId>(hwnd));
  if (window == nullptr) return;
  QCoreApplication::postEvent(window, new UserMessageEvent(0, lParam));
}

}  // namespace corvanta::kelvane
