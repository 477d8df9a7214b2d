#pragma once

#include "platform/Clock.h"

#include <QObject>
#include <QTimer>

namespace tollix {

// The one-second clock. Each tick re-arms a precise single-shot timer from the
// clock for a few milliseconds after the next second, so ticks never drift and
// a bell starts close to its minute.
class SecondTicker final : public QObject {
    Q_OBJECT

  public:
    static constexpr int kAfterSecondMs = 5;

    explicit SecondTicker(const Clock& clock, QObject* parent = nullptr);

    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    // The next tick on the next second of the clock as it reads now.
    void realign() { arm(); }
    // Milliseconds from the given moment to the next tick.
    static int delayFrom(const LocalTime& now);

  signals:
    void tick();

  private:
    void arm();

    const Clock& clock_;
    QTimer timer_;
    bool enabled_ = false;
};

}  // namespace tollix
