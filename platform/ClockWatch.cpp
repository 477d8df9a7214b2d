#include "platform/ClockWatch.h"

#include <QDBusConnection>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <ctime>

#include <sys/timerfd.h>
#include <unistd.h>

namespace tollix {

LinuxClockWatch::LinuxClockWatch(QObject* parent) : ClockWatch(parent) {
    fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0 && arm()) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &LinuxClockWatch::readTimer);
    }
    QDBusConnection::systemBus().connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(prepareForSleep(bool)));
}

LinuxClockWatch::~LinuxClockWatch() {
    if (fd_ >= 0)
        ::close(fd_);
}

// A timer that never expires: only a step of the clock cancels it.
bool LinuxClockWatch::arm() {
    itimerspec spec{};
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    spec.it_value.tv_sec = now.tv_sec + 10LL * 365 * 86400;
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr) == 0;
}

void LinuxClockWatch::readTimer() {
    std::uint64_t expirations = 0;
    const int error = ::read(fd_, &expirations, sizeof expirations) < 0 ? errno : 0;
    if (error == EAGAIN)
        return;
    arm();
    if (error == ECANCELED)
        emit stepped();
}

void LinuxClockWatch::prepareForSleep(bool sleeping) {
    if (!sleeping)
        emit stepped();
}

}  // namespace tollix
