#pragma once

#include "model/ScheduleModel.h"
#include "platform/AutoStart.h"

#include <QObject>

#include <string>

namespace tollix {

// "Auto execution" taking effect whoever sets it, the window or the web
// page: the start entry at log-on written when it is set, removed when it
// is cleared.
class StartEntry final : public QObject {
    Q_OBJECT

  public:
    StartEntry(ScheduleModel& model, AutoStart& autoStart, std::string executable,
               QObject* parent = nullptr);

    // Why the last change did not take effect; empty when it did.
    const std::string& error() const { return error_; }

  signals:
    // What to say when a change did not take effect.
    void failed(const QString& text);

  private:
    void apply(bool on);

    AutoStart& autoStart_;
    std::string executable_;
    std::string error_;
};

}  // namespace tollix
