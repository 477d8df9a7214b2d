#include "app/StartEntry.h"

#include <QCoreApplication>

namespace tollix {

StartEntry::StartEntry(ScheduleModel& model, AutoStart& autoStart, std::string executable,
                       QObject* parent)
    : QObject(parent), autoStart_(autoStart), executable_(std::move(executable)) {
    connect(&model, &ScheduleModel::autoExecutionChanged, this, &StartEntry::apply);
}

void StartEntry::apply(bool on) {
    error_ = on ? autoStart_.write(executable_) : autoStart_.remove();
    if (error_.empty())
        return;
    // The window's own words: its translations serve here too.
    emit failed(on ? QCoreApplication::translate("tollix::main",
                                                 "TOLLIX cannot be set to start at log-on: %1")
                         .arg(QString::fromStdString(error_))
                   : QCoreApplication::translate(
                         "tollix::main", "The start entry at log-on could not be removed: %1")
                         .arg(QString::fromStdString(error_)));
}

}  // namespace tollix
