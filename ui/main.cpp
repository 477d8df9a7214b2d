#include "ui/main.h"

#include "schedule/Intervals.h"
#include "sound/SoundLibrary.h"
#include "timesync/TimeSync.h"
#include "ui/AlarmWindow.h"
#include "ui/FramelessWindow.h"
#include "ui/MenuWindows.h"
#include "ui/OutputsWindow.h"
#include "ui/SoundListPanel.h"
#include "ui/isAutoExitForm.h"
#include "ui/isAutoModeForm.h"
#include "ui/templet.h"

#include <QAction>
#include <QCloseEvent>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSystemTrayIcon>
#include <QTimer>

// The button pictures live in the static library; register them once.
static void initPictures() {
    Q_INIT_RESOURCE(img);
}

namespace tollix {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

main::main(BellService& service, MainServices services, QWidget* parent)
    : QWidget(parent),
      model(service.model),
      engine(service.engine),
      services_(std::move(services)),
      startEntry_(service.startEntry()) {
    initPictures();
    setupUi(this);
    Timer1 = &engine.Timer1;
    Timer1->setObjectName(QStringLiteral("Timer1"));
    isAutoModeForm_ = std::make_unique<isAutoModeForm>(this);
    isAutoExitForm_ = std::make_unique<isAutoExitForm>(services_.messages, this);
    templet_ = std::make_unique<templet>(this);
    frame_ = new FramelessWindow(*this, *this);
    menus_ = new MenuWindows(*this, *this, engine, model, services_.messages, services_.paths,
                             services_.ringLog.file());
    connect(mnOutputs, &MenuLabel::Click, this, [this] {
        menus_->clearMenuHighlights();
        OutputsWindow::showFor(
            this, model, services_.mixer, [this] { btnNowBell_Click(); },
            [this](const std::string& line) {
                const auto sound = selectedSound();
                return services_.player.testOutput(
                    line, sound ? (paths().soundFolder() / *sound).string() : std::string());
            });
    });
    new SoundListPanel(*this, *this, engine, model, services_.messages, paths().soundFolder(),
                       service.services().speech);
    const auto say = [this, &service] {
        if (const QString why = service.say(sayText->text()); !why.isEmpty())
            services_.messages.information(tr("Warning"), why);
        else
            sayText->clear();
    };
    connect(sayNow, &QPushButton::clicked, this, say);
    connect(sayText, &QLineEdit::returnPressed, this, say);
    connect(mnAlarms, &MenuLabel::Click, this, [this, &service] {
        menus_->clearMenuHighlights();
        AlarmWindow::showFor(this, service.alarm, services_.messages);
    });
    AlarmBanner::follow(*this, frame_->trayIcon(), service.alarm, services_.messages);
    connectBehaviours();
}

main::~main() = default;

void main::connectBehaviours() {
    connect(Option1, &OptionButton::Click, this, &main::Option1_Click);
    connect(Option2, &OptionButton::Click, this, &main::Option2_Click);
    connect(Option3, &OptionButton::Click, this, &main::Option3_Click);
    connect(Option4, &OptionButton::Click, this, &main::Option4_Click);
    connect(copyTo, &QPushButton::clicked, this, &main::copyTo_Click);

    // Settings that are saved as soon as they change.
    connect(sound_zero, &CheckBox::Click, this, &main::sound_zero_Click);
    connect(bellRepeat, &CheckBox::Click, this, &main::bellRepeat_Click);
    connect(VScroll9, &SpinButton::Change, this, &main::VScroll9_Change);
    connect(start, &QAbstractButton::clicked, this, &main::start_Click);
    connect(stop1, &QAbstractButton::clicked, this, &main::stop1_Click);
    connect(btnNowBell, &QAbstractButton::clicked, this, &main::btnNowBell_Click);
    connect(bellStop, &QAbstractButton::clicked, this, &main::bellStop_Click);
    // Esc stops the bell that sounds, shown or not its button; no bell, no harm.
    const QKeySequence quiet(Qt::Key_Escape);
    connect(new QShortcut(quiet, this), &QShortcut::activated, this, &main::bellStop_Click);
    bellStop->setToolTip(
        QStringLiteral("%1 (%2)").arg(bellStop->text(), quiet.toString(QKeySequence::NativeText)));

    connect(TimeAdd, &QAbstractButton::clicked, this, &main::TimeAdd_Click);
    connect(TimeDel, &QAbstractButton::clicked, this, &main::TimeDel_Click);
    connect(TimeMod, &QAbstractButton::clicked, this, &main::TimeMod_Click);
    connect(allDel, &QAbstractButton::clicked, this, &main::allDel_Click);
    connect(applyTemplet, &QAbstractButton::clicked, this, &main::applyTemplet_Click);
    connect(templet_.get(), &templet::apply, this, &main::ApplyTemplate);
    connect(cmdStartBellSound, &QAbstractButton::clicked, this, &main::cmdStartBellSound_Click);
    connect(cmdEndBellSound, &QAbstractButton::clicked, this, &main::cmdEndBellSound_Click);
    connect(CmdPreBell1, &QAbstractButton::clicked, this, &main::CmdPreBell1_Click);
    connect(CmdPreBell2, &QAbstractButton::clicked, this, &main::CmdPreBell2_Click);

    connect(&engine, &BellEngine::ticked, this, &main::showClock);
    connect(&engine, &BellEngine::nextBellChanged, this, &main::showNextBellTexts);
    connect(&engine, &BellEngine::dayChanged, this, &main::showDay);
    // Started or stopped from the web page too: the controls follow.
    connect(&engine, &BellEngine::runningChanged, this, &main::lockControls);
    // Settings that do not reach the disk would be lost at the next start.
    connect(&model, &ScheduleModel::notSaved, this, [this](const QString& error) {
        warn(tr("The setting could not be saved: %1").arg(error));
    });
    connect(&model, &ScheduleModel::editorChanged, this, &main::LoadCurrent);
    connect(isAutoModeForm_->isAutoMode1, &OptionButton::Click, this,
            [this] { model.setAutoMode(1); });
    connect(isAutoModeForm_->isAutoMode2, &OptionButton::Click, this,
            [this] { model.setAutoMode(2); });
    connect(fileList, &QListWidget::itemSelectionChanged, this,
            [this] { model.selectSound(fileList->ListIndex()); });
    connect(&model, &ScheduleModel::unreadable, this, [this](const QString& why) {
        warn(tr("A file could not be read: %1\nThe initial settings are used, and the "
                "file is kept as it is until a setting it holds is changed.")
                 .arg(why));
    });
    // Changed on disk by another program: drawn again.
    connect(&model, &ScheduleModel::generalReloaded, this, &main::LoadSettings);
    connect(&model, &ScheduleModel::reloading, this, &main::editHere);
    connect(&model, &ScheduleModel::notReloaded, this, [this](const QString& why) {
        warn(tr("A file changed on disk could not be read: %1\nThe settings held are kept.")
                 .arg(why));
    });
    connect(&engine, &BellEngine::hearingChanged, this, [this](const QString& problem) {
        // Two short lines fit the state area where one long one would not.
        bellProblem->setText(QString(problem).replace(QStringLiteral(": "), QStringLiteral(":\n")));
        bellProblem->setToolTip(problem);
        bellProblem->setVisible(!problem.isEmpty());
    });
    connect(&engine, &BellEngine::recordUnavailable, this, [this](const QString& why) {
        warn(tr("The ring record cannot be kept: %1\nThe bells ring all the same.").arg(why));
    });
    connect(&engine, &BellEngine::specialDaysWithoutBells, this, [this](const QStringList& days) {
        warn(tr("These special days would ring no bells, their template holds none:\n%1")
                 .arg(days.join(QLatin1Char('\n'))));
    });
    connect(mexit, &MenuLabel::Click, this, &main::mexit_Click);
    connect(mnExit1, &QAction::triggered, this, &main::mnExit1_Click);
    connect(menus_, &MenuWindows::countdownBell, this,
            [this] { ringSelected(RingCause::Countdown); });
    connectSystem();
}

// ---- Start-up and shutdown -------------------------------------------------

void main::Form_Load() {
    mOpen->setVisible(false);
    setWindowTitle(QStringLiteral("TOLLIX"));

    // Nothing start-up has to say may hold the schedule: it is said in one
    // box at the end, and start-up's own saves leave unreadable files alone.
    services_.messages.gather();
    const ScheduleModel::OwnSaves own(model);

    loadPhase = 1;

    frame_->placeOnScreen(QSize(1180, 700));
    show();
    // Once more when the shown frames have told their real minimum.
    QTimer::singleShot(0, this, [this] { frame_->placeOnScreen(size()); });

    startupStep(tr("Reading %1").arg(fromStd(paths().dataFolder().string())),
                [this] { model.load(engine.clock().now().weekday); });
    chkAutoExit->setValue(model.exitSettings().chkAutoExit);
    // Another program's changes are read again and drawn.
    model.followFiles();
    connect(&model, &ScheduleModel::exitReloaded, this, [this] {
        const QSignalBlocker still(chkAutoExit);
        chkAutoExit->setValue(model.exitSettings().chkAutoExit);
    });

    engine.soundControl.OpenMixer(0);
    engine.soundControl.SetMasterMute(false);

    startupStep(tr("Reading the sound folder %1").arg(fromStd(paths().soundFolder().string())),
                [this] { fileList->AddItems(sound::SoundFolderScan(paths().soundFolder())); });

    Timer1->setEnabled(true);
    Timer1_Timer();

    startupStep(tr("Reading %1").arg(fromStd(paths().dataIni().string())),
                [this] { LoadSettings(); });

    lockControls(false);

    if (auto_exe->value() == 1) {
        start_Click();
        if (isAutoModeForm_->isAutoMode2->isChecked())
            TrayIn();
    }

    // Nobody may be at the screen: in the tray the problems are a notification too.
    const QString said = services_.messages.showGathered();
    if (!said.isEmpty() && inTray())
        trayIcon()->showMessage(QStringLiteral("TOLLIX"), said, QSystemTrayIcon::Warning);
}

// Start-up goes on after a failed step, so that the clock keeps ticking.
void main::startupStep(const QString& what, const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        services_.messages.information(
            QStringLiteral("TOLLIX"),
            tr("Error Number : \n%1 failed: %2").arg(what, QString::fromLocal8Bit(error.what())));
    }
}

void main::Shutdown(bool end) {
    engine.Shutdown();
    if (end && !ended_) {
        ended_ = true;
        Timer1->setEnabled(false);
        services_.endProgram();
    }
}

// The operator's exits end running bells only when asked; the session's end
// and the signals do not ask.
bool main::exitWanted() {
    return ended_ || !engine.running() ||
           services_.messages.question(QStringLiteral("TOLLIX"),
                                       tr("Stop all bells and exit TOLLIX?"));
}

void main::closeEvent(QCloseEvent* event) {
    if (!exitWanted()) {
        event->ignore();
        return;
    }
    Shutdown(true);
    event->accept();
}

void main::mexit_Click() {
    menus_->clearMenuHighlights();
    mnExit1_Click();
}

void main::mnExit1_Click() {
    if (exitWanted())
        Shutdown(true);
}

void main::warn(const QString& text) {
    services_.messages.information(tr("Warning"), text);
}

void main::EndSession() {
    Shutdown(true);
}

// ---- The clock --------------------------------------------------------------

QString main::weekdayName(int day) const {
    // Sunday 1 .. Saturday 7 in the system's language.
    return QLocale::system().dayName(day == 1 ? 7 : day - 1, QLocale::LongFormat);
}

// "No com sound": other programs stay silent between bells.
void main::sound_zero_Click() {
    engine.soundControl.SetMasterMute(sound_zero->value() == 1);
    model.setSoundZero(sound_zero->value() == 1);
}

// ---- The data files ------------------------------------------------------------

// The general settings as the model holds them, drawn without running the
// controls' behaviours, which would only hand the same values back; what
// those behaviours do beyond the model is done here.
void main::LoadSettings() {
    const GeneralSettings s = model.general();
    {
        const QSignalBlocker blockers[] = {QSignalBlocker(auto_exe),
                                           QSignalBlocker(fileList),
                                           QSignalBlocker(sound_zero),
                                           QSignalBlocker(bellRepeat),
                                           QSignalBlocker(chkTimeSync),
                                           QSignalBlocker(Option1),
                                           QSignalBlocker(Option2),
                                           QSignalBlocker(Option3),
                                           QSignalBlocker(Option4),
                                           QSignalBlocker(isAutoModeForm_->isAutoMode1),
                                           QSignalBlocker(isAutoModeForm_->isAutoMode2)};
        auto_exe->setValue(s.auto_exe);
        if (fileList->count() > s.fileListIndex)
            fileList->setListIndex(s.fileListIndex);
        sound_zero->setValue(s.sound_zero);
        bellRepeat->setValue(s.bellRepeat);
        chkTimeSync->setValue(s.chkTimeSync);
        (s.autoMode == 1 ? isAutoModeForm_->isAutoMode1 : isAutoModeForm_->isAutoMode2)
            ->setChecked(true);
        (s.dayMode == 1 ? Option3 : Option4)->setChecked(true);
        (s.timeMode == 1 ? Option1 : Option2)->setChecked(true);
    }
    // The program may have moved since. A failure keeps the box as stored:
    // the entry is tried again with every save and at the next start.
    if (s.auto_exe == 1)
        if (const std::string error = writeStartEntry(true); !error.empty())
            engine.recordSettingFailed("log-on entry not written: " + error);
    if (s.sound_zero == 1)
        engine.soundControl.SetMasterMute(true);
    bellStop->setVisible(s.bellRepeat == 1);
    VScroll9->setEnabled(s.dayMode != 1);
    s.timeMode == 1 ? ShowAutoPanels() : ShowManualPanels();
    loadPhase = 2;
    SaveSettings();
}

// ---- Mode and day selection -------------------------------------------------

// The editor as the model holds it: the day shown, its list or its interval
// fields, and "No rings".
void main::LoadCurrent() {
    const bool week = model.dayMode() == ScheduleModel::DayMode::Week;
    const int day = model.day();
    if (week) {
        reg_day->setText(tr("All days"));
    } else {
        reg_day->setText(day > ScheduleModel::kDays
                             ? tr("templet%1").arg(day - ScheduleModel::kDays)
                             : weekdayName(day));
        const QSignalBlocker quiet(VScroll9);  // drawn, not moved by the operator
        VScroll9->setPosition(day);
    }
    nobell->setValue(model.nobell());
    nobell->setEnabled(!engine.running() && !week && day <= ScheduleModel::kDays);
    if (model.timeMode() == ScheduleModel::TimeMode::Auto)
        showIntervals(model.intervals());
    else
        drawList(-1);
}

void main::Option1_Click() {
    model.setTimeMode(ScheduleModel::TimeMode::Auto);
    ShowAutoPanels();
}

void main::Option2_Click() {
    model.setTimeMode(ScheduleModel::TimeMode::Manual);
    ShowManualPanels();
}

void main::Option3_Click() {
    VScroll9->setEnabled(false);
    model.setDayMode(ScheduleModel::DayMode::Week, engine.clock().now().weekday);
}

void main::Option4_Click() {
    VScroll9->setEnabled(true);
    model.setDayMode(ScheduleModel::DayMode::EachDay, engine.clock().now().weekday);
    if (loadPhase == 2) {
        // Five empty days help nobody: the week's list is a start.
        if (Option2->isChecked() && model.weekdaysEmpty() && !model.weekList().empty() &&
            services_.messages.question(QStringLiteral("TOLLIX"),
                                        tr("Start every weekday from the week's list?"), true))
            model.startWeekdaysFromWeek();
        services_.messages.information(
            tr("Help"), tr("Click arrow in right [Select day], Seting each day bell time."));
    }
}

}  // namespace tollix
