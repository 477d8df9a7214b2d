#pragma once

// A logind of the bench's own: python-dbusmock on a private system bus, whose
// CanPowerOff and PowerOff each answer after 4 s. This process's system bus,
// and that of the programs it starts with `address()`, is that bus: nothing
// reaches the real machine.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace bench {

class SlowLogind {
  public:
    SlowLogind() : address_(QStringLiteral("unix:path=") + dir_.path() + QStringLiteral("/bus")) {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());
        bus_.start(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
             QStringLiteral("--address=") + address_, QStringLiteral("--print-address=1")});
        if (!bus_.waitForStarted(5000) || !bus_.waitForReadyRead(5000))
            return;
        mock_.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                     QStringLiteral("--template"), QStringLiteral("logind")});
        if (!mock_.waitForStarted(5000))
            return;
        bool up = false;
        for (int i = 0; i < 100 && !up; ++i) {
            up = QDBusConnection::systemBus().interface()->isServiceRegistered(
                QStringLiteral("org.freedesktop.login1"));
            if (!up)
                QThread::msleep(50);
        }
        ok_ = up &&
              answerLate(QStringLiteral("CanPowerOff"), {}, QStringLiteral("s"),
                         QStringLiteral("; ret = 'yes'")) &&
              answerLate(QStringLiteral("PowerOff"), QStringLiteral("b"), {}, {});
    }
    ~SlowLogind() {
        for (QProcess* process : {&mock_, &bus_}) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(1000);
        }
    }
    bool ok() const { return ok_; }
    const QString& address() const { return address_; }

  private:
    static bool answerLate(const QString& method, const QString& in, const QString& out,
                           const QString& more) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("AddMethod"));
        call.setArguments({QStringLiteral("org.freedesktop.login1.Manager"), method, in, out,
                           QStringLiteral("import time; time.sleep(4)") + more});
        return QDBusConnection::systemBus().call(call).type() == QDBusMessage::ReplyMessage;
    }

    QTemporaryDir dir_;
    QString address_;
    QProcess bus_;
    QProcess mock_;
    bool ok_ = false;
};

}  // namespace bench
