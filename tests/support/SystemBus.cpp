#include "tests/support/SystemBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QThread>

namespace tollix::test {

MockSystemBus::MockSystemBus(const QString& templateName, const QString& busName)
    : bus_(std::make_unique<QProcess>()), mock_(std::make_unique<QProcess>()), busName_(busName) {
    const QString address =
        u"unix:path="_s + QString::fromStdString((folder_.path() / "bus").string());
    endWithTest(*bus_);
    bus_->start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--nopidfile"_s,
                                   u"--address="_s + address, u"--print-address=1"_s});
    if (!bus_->waitForStarted(5000) || !bus_->waitForReadyRead(5000))
        return;
    // The program's backends, and the mock, take the system bus from here.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
    mock_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    endWithTest(*mock_);
    // Debian's dbusmock belongs to the system's Python.
    mock_->start(u"/usr/bin/python3"_s,
                 {u"-m"_s, u"dbusmock"_s, u"--system"_s, u"-l"_s,
                  QString::fromStdString((folder_.path() / "calls.log").string()), u"--template"_s,
                  templateName});
    if (!mock_->waitForStarted(5000))
        return;
    QDBusConnectionInterface* names = QDBusConnection::systemBus().interface();
    for (int i = 0; i < 100 && names; ++i) {
        if (names->isServiceRegistered(busName_)) {
            ready_ = true;
            return;
        }
        QThread::msleep(50);
    }
}

MockSystemBus::~MockSystemBus() {
    for (QProcess* process : {mock_.get(), bus_.get()}) {
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished(1000);
    }
}

bool MockSystemBus::setMethod(const QString& path, const QString& interface, const QString& name,
                              const QString& inSignature, const QString& outSignature,
                              const QString& code) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        busName_, path, u"org.freedesktop.DBus.Mock"_s, u"AddMethod"_s);
    call.setArguments({interface, name, inSignature, outSignature, code});
    return QDBusConnection::systemBus().call(call).type() == QDBusMessage::ReplyMessage;
}

QStringList MockSystemBus::calls() const {
    QStringList lines;
    const QString text = QString::fromStdString(readBytes(folder_.path() / "calls.log"));
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines << line.section(QLatin1Char(' '), 1);  // without the time stamp
    return lines;
}

}  // namespace tollix::test
