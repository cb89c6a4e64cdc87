#include "ui/DesktopContrast.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace vcq::ui {

namespace {

// A portal that has not answered by then is not waited for.
constexpr int kTimeoutMs = 500;

// Without a session bus libdbus would try to launch one: only a bus that is
// there is asked.
bool SessionBusThere() {
  if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath("bus"));
}

// Read answers a variant, which portals have long wrapped in a second one.
std::optional<std::uint32_t> ContrastOf(QVariant v) {
  for (int depth = 0; depth < 3 && v.canConvert<QDBusVariant>(); ++depth)
    v = v.value<QDBusVariant>().variant();
  bool ok = false;
  const uint c = v.toUInt(&ok);
  return ok ? std::optional<std::uint32_t>(c) : std::nullopt;
}

}  // namespace

void AskDesktopContrast(QObject* context,
                        std::function<void(std::optional<std::uint32_t>)> answer) {
  if (!SessionBusThere()) {
    QTimer::singleShot(0, context, [answer] { answer(std::nullopt); });
    return;
  }
  // Read, not ReadOne: the portal of Debian 12 has only Read.
  QDBusMessage m = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                  QStringLiteral("/org/freedesktop/portal/desktop"),
                                                  QStringLiteral("org.freedesktop.portal.Settings"),
                                                  QStringLiteral("Read"));
  m << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("contrast");
  // Not auto-started: a portal that is not running is not waited for either.
  m.setAutoStartService(false);
  auto* watcher =
      new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(m, kTimeoutMs), context);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answer] {
    watcher->deleteLater();
    const QDBusMessage reply = watcher->reply();
    answer(reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
               ? ContrastOf(reply.arguments().first())
               : std::nullopt);
  });
}

}  // namespace vcq::ui
