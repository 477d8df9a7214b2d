#pragma once

#include <QObject>

class QSocketNotifier;

namespace tollix {

// Tells at once when the wall clock is set (by anyone) or the computer wakes
// up from sleep, so the tick can move to the new second without waiting.
class ClockWatch : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

  signals:
    void stepped();
};

// Linux: a CLOCK_REALTIME timerfd armed with TFD_TIMER_CANCEL_ON_SET wakes on
// every step and on resume; logind's PrepareForSleep(false) on the system bus
// also says the computer is awake again. Either may be missing; the tick's
// own comparison with the monotonic clock still sees every step.
class LinuxClockWatch final : public ClockWatch {
    Q_OBJECT

  public:
    explicit LinuxClockWatch(QObject* parent = nullptr);
    ~LinuxClockWatch() override;

  private slots:
    void prepareForSleep(bool sleeping);

  private:
    bool arm();
    void readTimer();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tollix
