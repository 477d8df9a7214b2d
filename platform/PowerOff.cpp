#include "platform/PowerOff.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

namespace tollix {

namespace {

using Done = std::function<void(const std::string&)>;

// Calls the login manager and hands its answer to `then` on the event loop.
void callManager(int answerMs, const QString& method, const QVariantList& arguments,
                 std::function<void(const QDBusMessage&)> then) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), method);
    call.setArguments(arguments);
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call, answerMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [then = std::move(then)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         then(finished->reply());
                     });
}

std::string failure(const QDBusMessage& answer) {
    return (answer.errorName() + QStringLiteral(": ") + answer.errorMessage()).toStdString();
}

}  // namespace

void LogindPowerOff::powerOff(Done done) {
    if (!QDBusConnection::systemBus().isConnected()) {
        QTimer::singleShot(0, [done] { done("no system bus: the login manager cannot be asked"); });
        return;
    }
    const int answerMs = answerMs_;
    callManager(
        answerMs, QStringLiteral("CanPowerOff"), {}, [answerMs, done](const QDBusMessage& can) {
            if (can.type() != QDBusMessage::ReplyMessage)
                return done(failure(can));
            const QString answer = can.arguments().value(0).toString();
            if (answer == QStringLiteral("no") || answer == QStringLiteral("na"))
                return done(
                    "the login manager does not allow this user to power off (CanPowerOff: " +
                    answer.toStdString() + ")");
            callManager(
                answerMs, QStringLiteral("PowerOff"), {QVariant(false)},
                [done](const QDBusMessage& off) {
                    done(off.type() == QDBusMessage::ReplyMessage ? std::string() : failure(off));
                });
        });
}

}  // namespace tollix
