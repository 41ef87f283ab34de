#include "platform/power_off.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <utility>

namespace corvanta {
namespace {

// Asks systemd-logind to power off, not interactively. The message is only
// sent: no reply is awaited, so neither a refusal nor a slow or missing
// logind can hold up the window.
void AskLogindToPowerOff() {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return;
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
  call << false;
  bus.send(call);
}

std::function<void()>& PowerOffAction() {
  static std::function<void()> action;
  return action;
}

}  // namespace

void RequestPowerOff() {
  if (PowerOffAction()) {
    PowerOffAction()();
    return;
  }
  AskLogindToPowerOff();
}

void SetPowerOffActionForTesting(std::function<void()> action) {
  PowerOffAction() = std::move(action);
}

}  // namespace corvanta
