#include "ui/main.h"

#include "schedule/Intervals.h"
#include "sound/SoundLibrary.h"
#include "timesync/TimeSync.h"
#include "ui/CopyToDialog.h"
#include "ui/isAutoExitForm.h"
#include "ui/isAutoModeForm.h"
#include "ui/templet.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

// The button pictures live in the static library; register them once.
static void initPictures() {
    Q_INIT_RESOURCE(img);
}

namespace tollix {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The engine's request at the tick's moments goes to the internet time client.
std::function<void()> timeRequest(timesync::TimeSync& timeSync) {
    return [&timeSync] { timeSync.SendTimeRequest(); };
}

constexpr int kStateOffColour = 11263914;  // blue-green-red: red 170, green 223, blue 171

}  // namespace

main::main(MainServices services, QWidget* parent)
    : QWidget(parent),
      model(services.paths),
      engine(EngineServices{services.clock, services.player, services.mixer, services.messages,
                            services.paths.soundFolder(), services.powerOff, services.ringLog,
                            timeRequest(services.timeSync)},
             model),
      services_(std::move(services)) {
    initPictures();
    services_.messages.setFolderText([this](const QString& text) {
        return fromStd(services_.paths.showFolder(text.toStdString()));
    });
    setupUi(this);
    Timer1 = &engine.Timer1;
    Timer1->setObjectName(QStringLiteral("Timer1"));
    isAutoModeForm_ = std::make_unique<isAutoModeForm>(this);
    isAutoExitForm_ = std::make_unique<isAutoExitForm>(services_.messages, this);
    templet_ = std::make_unique<templet>(this);
    connectBehaviours();
}

main::~main() = default;

void main::connectBehaviours() {
    connect(Option1, &OptionButton::Click, this, &main::Option1_Click);
    connect(Option2, &OptionButton::Click, this, &main::Option2_Click);
    connect(Option3, &OptionButton::Click, this, &main::Option3_Click);
    connect(Option4, &OptionButton::Click, this, &main::Option4_Click);
    connect(copyTo, &QPushButton::clicked, this, [this] {
        CopyToDialog choose(this);
        if (choose.exec() == QDialog::Accepted)
            model.copyListTo(choose.chosen());
    });

    // Settings that are saved as soon as they change.
    connect(sound_zero, &CheckBox::Click, this, &main::sound_zero_Click);
    connect(bellRepeat, &CheckBox::Click, this, &main::bellRepeat_Click);
    connect(VScroll9, &SpinButton::Change, this, &main::VScroll9_Change);
    connect(start, &QAbstractButton::clicked, this, &main::start_Click);
    connect(stop1, &QAbstractButton::clicked, this, &main::stop1_Click);
    connect(btnNowBell, &QAbstractButton::clicked, this, &main::btnNowBell_Click);
    connect(bellStop, &QAbstractButton::clicked, this, &main::bellStop_Click);
    // The common jobs from the keyboard, named in the tool tips and the help.
    const std::pair<PictureButton*, QKeySequence> keys[] = {
        {start, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {stop1, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {btnNowBell, QKeySequence(Qt::CTRL | Qt::Key_R)}};
    for (const auto& [button, sequence] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, button, [target = button] {
            if (target->isVisible() && target->isEnabled())
                target->click();
        });
        button->setToolTip(QStringLiteral("%1 (%2)").arg(
            button->text(), sequence.toString(QKeySequence::NativeText)));
    }
    // Esc stops the bell that sounds, shown or not its button; no bell, no harm.
    const QKeySequence quiet(Qt::Key_Escape);
    connect(new QShortcut(quiet, this), &QShortcut::activated, this, &main::bellStop_Click);
    bellStop->setToolTip(
        QStringLiteral("%1 (%2)").arg(bellStop->text(), quiet.toString(QKeySequence::NativeText)));
    connect(input_m, &QLineEdit::returnPressed, TimeAdd, &PictureButton::click);
    connect(new QShortcut(QKeySequence::Delete, AddTimeList, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, TimeDel, &PictureButton::click);

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

    bindSpin(VScroll1, start_h, 24, 0);
    bindSpin(VScroll2, start_m, 60, 0);
    bindSpin(VScroll3, exit_h, 24, 0);
    bindSpin(VScroll4, exit_m, 60, 0);
    bindSpin(VScroll5, worktime, 0, 0);
    bindSpin(VScroll6, resttime, 0, 0);
    bindSpin(VScroll7, input_h, 24, 0);
    bindSpin(VScroll8, input_m, 60, 0);
    bindSpin(VScrollPreBell1, TxtPreBell1, 100, 1);
    bindSpin(VScrollPreBell2, TxtPreBell2, 100, 1);

    connect(&engine, &BellEngine::ticked, this, &main::showClock);
    connect(&engine, &BellEngine::nextBellChanged, this, &main::showNextBellTexts);
    connect(&engine, &BellEngine::dayChanged, this, &main::showDay);
    // Started or stopped from the web page too: the controls follow.
    connect(&engine, &BellEngine::runningChanged, this, [this](bool on) {
        lockControls(on);
        mnBellCount->setEnabled(on);
        if (!on)
            clock_list->clear();
    });
    connect(&model, &ScheduleModel::notSaved, this, &main::notSaved);
    connect(&model, &ScheduleModel::editorChanged, this, &main::LoadCurrent);
    connect(isAutoModeForm_->isAutoMode1, &OptionButton::Click, this,
            [this] { model.setAutoMode(1); });
    connect(isAutoModeForm_->isAutoMode2, &OptionButton::Click, this,
            [this] { model.setAutoMode(2); });
    connect(fileList, &QListWidget::itemSelectionChanged, this,
            [this] { model.selectSound(fileList->ListIndex()); });
    connect(&model, &ScheduleModel::unreadable, this, [this](const QString& why) {
        services_.messages.information(
            tr("Warning"),
            tr("A file could not be read: %1\nThe initial settings are used, and the "
               "file is kept as it is until a setting it holds is changed.")
                .arg(why));
    });
    connect(&engine, &BellEngine::hearingChanged, this, [this](const QString& problem) {
        // Two short lines fit the state area where one long one would not.
        bellProblem->setText(QString(problem).replace(QStringLiteral(": "), QStringLiteral(":\n")));
        bellProblem->setToolTip(problem);
        bellProblem->setVisible(!problem.isEmpty());
    });
    connect(&engine, &BellEngine::recordUnavailable, this, [this](const QString& why) {
        services_.messages.information(
            tr("Warning"),
            tr("The ring record cannot be kept: %1\nThe bells ring all the same.").arg(why));
    });
    connect(mexit, &MenuLabel::Click, this, &main::mexit_Click);
    connect(mnExit1, &QAction::triggered, this, &main::mnExit1_Click);
    connect(mOpen, &QAction::triggered, this, &main::TrayOut);

    connectSystem();
    connectWindows();
    connectTimeSync();

    Picture1->installEventFilter(this);
    titleText->installEventFilter(this);
    Picture2->installEventFilter(this);
    frameState->installEventFilter(this);
}

// A spin writes its position into its field; reaching the top value turns
// it into the wrap value (wrapAt 0: no wrap, the top value stays).
// A number typed or loaded into the field moves the spin to it, so the next
// arrow click goes on from what the field shows; other text leaves it alone.
void main::bindSpin(SpinButton* spin, QLineEdit* edit, int wrapAt, int wrapTo) {
    connect(spin, &SpinButton::Change, this, [spin, edit, wrapAt, wrapTo] {
        if (wrapAt != 0 && spin->position() == wrapAt) {
            spin->setPosition(wrapTo);  // runs this again with the wrap value
            return;
        }
        edit->setText(QString::number(spin->position()));
    });
    const int highest = wrapAt != 0 ? wrapAt - 1 : spin->maximumPosition();
    connect(edit, &QLineEdit::textChanged, this, [spin, highest](const QString& text) {
        const auto value = wholeNumber(text.toStdString());
        if (!value || *value < spin->minimumPosition() || *value > highest)
            return;
        const QSignalBlocker quiet(spin);  // the field already shows it
        spin->setPosition(static_cast<int>(*value));
    });
}

// ---- Start-up and shutdown -------------------------------------------------

void main::Form_Load() {
    mOpen->setVisible(false);
    setWindowTitle(QStringLiteral("TOLLIX"));
    mnBellCount->setEnabled(false);

    // Nothing start-up has to say may hold the schedule: it is said in one
    // box at the end, and start-up's own saves leave unreadable files alone.
    services_.messages.gather();
    const ScheduleModel::OwnSaves own(model);

    loadPhase = 1;

    placeOnScreen(QSize(1180, 700));
    show();
    // Once more when the shown frames have told their real minimum.
    QTimer::singleShot(0, this, [this] { placeOnScreen(size()); });

    startupStep(tr("Reading %1").arg(fromStd(paths().dataFolder().string())),
                [this] { model.load(engine.clock().now().weekday); });
    chkAutoExit->setValue(model.exitSettings().chkAutoExit);

    engine.soundControl.OpenMixer(0);
    engine.soundControl.SetMasterMute(false);

    startupStep(tr("Reading the sound folder %1").arg(fromStd(paths().soundFolder().string())),
                [this] { fileList->AddItems(sound::SoundFolderScan(paths().soundFolder())); });

    Timer1->setEnabled(true);
    Timer1_Timer();

    startupStep(tr("Reading %1").arg(fromStd(paths().dataIni().string())),
                [this] { LoadSettings(); });

    state->setText(tr("OFF"));
    setStateColour(kStateOffColour);

    if (auto_exe->value() == 1) {
        start_Click();
        if (isAutoModeForm_->isAutoMode2->isChecked())
            TrayIn();
    }

    // Nobody may be at the screen: in the tray the problems are a notification too.
    const QString said = services_.messages.showGathered();
    if (!said.isEmpty() && inTray_)
        tray_->showMessage(QStringLiteral("TOLLIX"), said, QSystemTrayIcon::Warning);
}

QColor main::stateColour() const {
    return stateColor->palette().color(QPalette::Window);
}

void main::setStateColour(int blueGreenRed) {
    const QColor colour(blueGreenRed & 0xff, (blueGreenRed >> 8) & 0xff,
                        (blueGreenRed >> 16) & 0xff);
    stateColor->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
    QPalette palette = stateColor->palette();
    palette.setColor(QPalette::Window, colour);
    stateColor->setPalette(palette);
}

void main::startupStep(const QString& what, const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        startupError(what, QString::fromLocal8Bit(error.what()));
    }
}

// Start-up goes on after a failed step, so that the clock keeps ticking.
void main::startupError(const QString& what, const QString& description) {
    services_.messages.information(QStringLiteral("TOLLIX"),
                                   tr("Error Number : \n%1 failed: %2").arg(what, description));
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
    clearMenuHighlights();
    if (exitWanted())
        Shutdown(true);
}

void main::mnExit1_Click() {
    if (exitWanted())
        Shutdown(true);
}

void main::EndSession() {
    Shutdown(true);
}

bool main::eventFilter(QObject* watched, QEvent* event) {
    // The window has no title bar of the system's: it is dragged by its own.
    if (watched == Picture1 || watched == titleText)
        return dragWindow(event) || QWidget::eventFilter(watched, event);
    if (watched == frameState && event->type() == QEvent::MouseButtonRelease) {
        showRingLog();
        return true;
    }
    // Moving over the background clears the highlight of the menu labels.
    if (watched == Picture2 && event->type() == QEvent::MouseMove)
        clearMenuHighlights();
    return QWidget::eventFilter(watched, event);
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

// Settings that do not reach the disk would be lost at the next start.
void main::notSaved(const QString& error) {
    services_.messages.information(tr("Warning"),
                                   tr("The setting could not be saved: %1").arg(error));
}

// The general settings as the model holds them. The controls' own
// behaviours run as each is set and save what the model already holds.
void main::LoadSettings() {
    const GeneralSettings s = model.general();
    auto_exe->setValue(s.auto_exe);
    if (fileList->count() > s.fileListIndex)
        fileList->setListIndex(s.fileListIndex);
    sound_zero->setValue(s.sound_zero);
    bellRepeat->setValue(s.bellRepeat);
    chkTimeSync->setValue(s.chkTimeSync);
    (s.autoMode == 1 ? isAutoModeForm_->isAutoMode1 : isAutoModeForm_->isAutoMode2)->select();
    (s.dayMode == 1 ? Option3 : Option4)->select();
    (s.timeMode == 1 ? Option1 : Option2)->select();
    if (!bellRepeat->isChecked())
        bellStop->setVisible(false);
    SaveSettings();
}

void main::SaveSettings() {
    model.saveGeneral();
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
    loadPhase = 2;
    if (Option2->isChecked())
        applyTemplet->setVisible(true);
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
    loadPhase = 2;
    if (Option2->isChecked())
        applyTemplet->setVisible(true);
}

}  // namespace tollix
