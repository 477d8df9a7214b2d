// The main window with the system: starting at log-on, the reserved exit and
// internet time.
#include "app/StartEntry.h"
#include "timesync/TimeSync.h"
#include "ui/MenuWindows.h"
#include "ui/SchoolClockWindow.h"
#include "ui/isAutoExitForm.h"
#include "ui/isAutoModeForm.h"
#include "ui/main.h"

#include <QPushButton>
#include <QSignalBlocker>

namespace tollix {

void main::connectSystem() {
    connect(auto_exe, &CheckBox::Click, this, &main::auto_exe_Click);
    connect(&model, &ScheduleModel::settingSaved, this, &main::retryStartEntry);
    connect(chkAutoExit, &CheckBox::Click, this, &main::chkAutoExit_Click);
    connect(isAutoExitForm_.get(), &isAutoExitForm::confirmed, &model, &ScheduleModel::setExitTime);
    connect(&engine, &BellEngine::powerOffRefused, this, [this](const QString& why) {
        warn(tr("The computer could not be switched off at the reserved time.\n%1").arg(why));
    });

    connect(chkTimeSync, &CheckBox::Click, this, &main::chkTimeSync_Click);
    connect(schoolClock, &QPushButton::clicked, this, [this] {
        schoolClockWindow()->show();
        schoolClockWindow()->raise();
    });
    connect(&model, &ScheduleModel::schoolClockChanged, this,
            [this] { showTimeStatus(timeStatus_); });
    timesync::TimeSync* sync = &services_.timeSync;
    connect(sync, &timesync::TimeSync::correctionChanged, this, &main::timeCorrected);
    connect(sync, &timesync::TimeSync::clockSet, this, &main::timeCorrected);
    connect(sync, &timesync::TimeSync::statusChanged, this, &main::showTimeStatus);
    connect(sync, &timesync::TimeSync::failedTooOften, menus_, &MenuWindows::showSyncError);
}

// ---- Auto execution ---------------------------------------------------------------

void main::auto_exe_Click() {
    const bool set = auto_exe->value() == 1;
    if (set && loadPhase == 2)
        isAutoModeForm_->exec();
    // The bell service writes or removes the entry, and says when it cannot.
    model.setAutoExecution(set);
    startEntryOwed_ = set && startEntry_ && !startEntry_->error().empty();
    // The operator sees at once that a set box would start nothing.
    if (startEntryOwed_)
        auto_exe->setValue(0);
}

std::string main::writeStartEntry(bool set) {
    const std::string error =
        set ? services_.autoStart.write(services_.executable) : services_.autoStart.remove();
    startEntryOwed_ = set && !error.empty();
    if (!error.empty())
        warn((set ? tr("TOLLIX cannot be set to start at log-on: %1")
                  : tr("The start entry at log-on could not be removed: %1"))
                 .arg(QString::fromStdString(error)));
    return error;
}

// A full disk freed or a folder made writable: the entry owed is written
// with the next setting that reaches its file, without a word.
void main::retryStartEntry() {
    if (startEntryOwed_ && model.general().auto_exe == 1)
        startEntryOwed_ = !services_.autoStart.write(services_.executable).empty();
}

// ---- The reserved exit ------------------------------------------------------------

void main::chkAutoExit_Click() {
    // A time that is no time of day stays in the file as it is until the
    // operator confirms a new one; start-up never rewrites it.
    const ExitSettings& exit = model.exitSettings();
    if (chkAutoExit->value() == 1 && loadPhase == 2) {
        isAutoExitForm_->Form_Load(exit.hourLine ? QString::fromStdString(*exit.hourLine).trimmed()
                                                 : QString::number(exit.reservedExitHour),
                                   exit.minuteLine
                                       ? QString::fromStdString(*exit.minuteLine).trimmed()
                                       : QString::number(exit.reservedExitMinute));
        // The computer goes off only at a time confirmed: Esc or closing the
        // box leaves it unset and the file as it was.
        if (isAutoExitForm_->exec() != QDialog::Accepted) {
            const QSignalBlocker quiet(chkAutoExit);
            chkAutoExit->setValue(0);
            return;
        }
    }
    if (loadPhase == 2 || exit.timeValid())
        WriteExitIni();
}

// ---- Internet time ----------------------------------------------------------------

// Saved with the other settings the next time they are saved, as before.
void main::chkTimeSync_Click() {
    model.setTimeSync(chkTimeSync->value() == 1);
    if (chkTimeSync->value() == 1) {
        if (loadPhase == 2)
            services_.messages.information(
                QStringLiteral("TOLLIX"),
                tr("It uses the Internet time server, at real-time it synchronizes "
                   "a computer time in standard time."));
    } else {
        services_.timeSync.stop();  // the bells go back to the computer's clock
        showTimeStatus(QString());
    }
}

// Server time moved the clock the bells go by: a step for the tick, which
// never rings a minute twice; then the next bell is worked out anew.
void main::timeCorrected() {
    engine.clockStepped();
    if (engine.running())
        ShowNextBell();
}

void main::showTimeStatus(const QString& status) {
    timeStatus_ = status;
    QString tip = status.isEmpty() ? tr("At real-time it synchronizes a computer time in "
                                        "standard time.")
                                   : status;
    const QString ahead = SchoolClockWindow::aheadText(model.schoolClockMs());
    if (!ahead.isEmpty())
        tip += QLatin1Char('\n') + ahead;
    chkTimeSync->setToolTip(tip);
    schoolClock->setToolTip(ahead);
}

SchoolClockWindow* main::schoolClockWindow() {
    if (!schoolClock_)
        schoolClock_ = new SchoolClockWindow(
            model, engine,
            [this](bool on) {
                engine.ringEachMinute(on ? selectedSound() : std::nullopt, soundList());
            },
            this);
    return schoolClock_;
}

}  // namespace tollix
