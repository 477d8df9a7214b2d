#include "platform/PowerOff.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace tollix {

namespace {

// A login manager that does not answer in this time is taken as a refusal;
// the tick must not stand still for long.
constexpr int kAnswerMs = 5000;

QDBusMessage callManager(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), method);
    call.setArguments(arguments);
    return QDBusConnection::systemBus().call(call, QDBus::Block, kAnswerMs);
}

std::string failure(const QDBusMessage& answer) {
    return (answer.errorName() + QStringLiteral(": ") + answer.errorMessage()).toStdString();
}

}  // namespace

std::string LogindPowerOff::powerOff() {
    if (!QDBusConnection::systemBus().isConnected())
        return "no system bus: the login manager cannot be asked";
    const QDBusMessage can = callManager(QStringLiteral("CanPowerOff"));
    if (can.type() != QDBusMessage::ReplyMessage)
        return failure(can);
    const QString answer = can.arguments().value(0).toString();
    if (answer == QStringLiteral("no") || answer == QStringLiteral("na"))
        return "the login manager does not allow this user to power off (CanPowerOff: " +
               answer.toStdString() + ")";
    const QDBusMessage done = callManager(QStringLiteral("PowerOff"), {QVariant(false)});
    if (done.type() != QDBusMessage::ReplyMessage)
        return failure(done);
    return {};
}

}  // namespace tollix
