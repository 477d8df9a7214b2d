#include "platform/TimeSetter.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

namespace tollix {

void TimedatedTimeSetter::setTimeRelative(std::int64_t microseconds,
                                          std::function<void(const QString&)> done) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, [done] { done(QStringLiteral("no system bus")); });
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    call.setArguments({QVariant::fromValue(static_cast<qlonglong>(microseconds)), true, false});
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [done](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<> reply = *finished;
                         done(reply.isError() ? reply.error().name() + QStringLiteral(": ") +
                                                    reply.error().message()
                                              : QString());
                         finished->deleteLater();
                     });
}

}  // namespace tollix
