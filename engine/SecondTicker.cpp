#include "engine/SecondTicker.h"

namespace tollix {

SecondTicker::SecondTicker(const Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        arm();
        emit tick();
    });
}

void SecondTicker::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        arm();
    else
        timer_.stop();
}

int SecondTicker::delayFrom(const LocalTime& now) {
    return 1000 - now.millisecond + kAfterSecondMs;
}

void SecondTicker::arm() {
    if (enabled_)
        timer_.start(delayFrom(clock_.now()));
}

}  // namespace tollix
