#include "platform/power_off.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace corvanta {

// Asks systemd-logind to power off, not interactively. The message is only
// sent: no reply is awaited, so neither a refusal nor a slow or missing
// logind can hold up the window.
void RequestPowerOff() {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return;
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
  call << false;
  bus.send(call);
}

}  // namespace corvanta
