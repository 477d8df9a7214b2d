#pragma once

#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <fstream>

#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>

namespace tollix::test {

// chronyd serving its own clock on a free loopback port: -x so it never
// touches the machine's clock, its files in a folder of its own, and gone
// after `seconds` or with the process that started it.
class LoopbackChrony {
  public:
    explicit LoopbackChrony(int seconds) {
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        port_ = probe.localPort();
        probe.close();
        const QString conf = folder_.filePath(QStringLiteral("chrony.conf"));
        std::ofstream(conf.toStdString())
            << "port " << port_
            << "\nbindaddress 127.0.0.1\nallow 127.0.0.1\nlocal stratum 2\n"
            // No command sockets: nothing in /run, no clash with the system's chronyd.
            << "cmdport 0\nbindcmdaddress /\npidfile "
            << folder_.filePath(QStringLiteral("chronyd.pid")).toStdString() << "\n";
        chronyd_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        const QString user = QString::fromLocal8Bit(getpwuid(getuid())->pw_name);
        chronyd_.start(QStringLiteral("/usr/sbin/chronyd"),
                       QStringLiteral("-d -x -U -t %1").arg(seconds).split(QLatin1Char(' ')) +
                           QStringList{QStringLiteral("-u"), user, QStringLiteral("-f"), conf});
        chronyd_.waitForStarted();
    }
    ~LoopbackChrony() {
        chronyd_.terminate();
        chronyd_.waitForFinished();
    }

    bool started() const { return chronyd_.state() == QProcess::Running; }
    quint16 port() const { return port_; }

  private:
    QTemporaryDir folder_;
    QProcess chronyd_;
    quint16 port_ = 0;
};

}  // namespace tollix::test
