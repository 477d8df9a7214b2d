#include "ui/main.h"

#include "schedule/Intervals.h"
#include "sound/SoundLibrary.h"
#include "timesync/TimeSync.h"
#include "ui/isAutoExitForm.h"
#include "ui/isAutoModeForm.h"
#include "ui/templet.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScreen>
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

std::string toStd(const QLineEdit* edit) {
    return edit->text().toStdString();
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
    createControls();
    connectBehaviours();
}

main::~main() = default;

void main::connectBehaviours() {
    connect(Option1, &OptionButton::Click, this, &main::Option1_Click);
    connect(Option2, &OptionButton::Click, this, &main::Option2_Click);
    connect(Option3, &OptionButton::Click, this, &main::Option3_Click);
    connect(Option4, &OptionButton::Click, this, &main::Option4_Click);

    // Settings that are saved as soon as they change.
    connect(sound_zero, &CheckBox::Click, this, &main::sound_zero_Click);
    connect(bellRepeat, &CheckBox::Click, this, &main::bellRepeat_Click);
    connect(VScroll9, &SpinButton::Change, this, &main::VScroll9_Change);
    connect(start, &QAbstractButton::clicked, this, &main::start_Click);
    connect(stop1, &QAbstractButton::clicked, this, &main::stop1_Click);
    connect(btnNowBell, &QAbstractButton::clicked, this, &main::btnNowBell_Click);
    connect(bellStop, &QAbstractButton::clicked, this, &main::bellStop_Click);

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
                [this] { model.load(services_.clock.now().weekday); });
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

void main::closeEvent(QCloseEvent* event) {
    Shutdown(true);
    event->accept();
}

void main::mexit_Click() {
    clearMenuHighlights();
    Shutdown(true);
}

void main::mnExit1_Click() {
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
    SaveSettings();
}

// ---- The data files ------------------------------------------------------------

// Settings that do not reach the disk would be lost at the next start.
void main::notSaved(const QString& error) {
    services_.messages.information(tr("Warning"),
                                   tr("The setting could not be saved: %1").arg(error));
}

// The controls' own behaviours save as they are restored; those saves wait
// until every control holds its stored value, so a start cut short (killed,
// a power cut) never leaves a half-restored data.ini behind.
void main::LoadSettings() {
    restoring_ = true;
    // Also when a step of the restore fails: later clicks must save again.
    auto restored = qScopeGuard([this] { restoring_ = false; });
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
    restored.dismiss();
    restoring_ = false;
    SaveSettings();
}

void main::SaveSettings() {
    if (restoring_)
        return;
    GeneralSettings s;
    s.auto_exe = auto_exe->value();
    s.fileListIndex = fileList->ListIndex();
    s.timeMode = Option2->isChecked() ? 2 : 1;
    s.dayMode = Option4->isChecked() ? 2 : 1;
    s.sound_zero = sound_zero->value();
    s.autoMode = isAutoModeForm_->isAutoMode1->isChecked() ? 1 : 2;
    s.bellRepeat = bellRepeat->value();
    s.chkTimeSync = chkTimeSync->value();
    model.storeGeneral(s);
}

void main::LoadWeekList() {
    AddTimeList->AddItems(model.weekList());
}

void main::SaveWeekList() {
    model.storeWeekList(AddTimeList->lines());
}

void main::LoadDayList() {
    AddTimeList->clear();
    const DayList& list = model.dayList(VScroll9->position());
    AddTimeList->AddItems(list.lines);
    nobell->setValue(list.nobell);
}

void main::SaveDayList(int useSelector) {
    const int day = useSelector == 1 ? VScroll9->position() : pre_day->text().toInt();
    model.storeDayList(day, DayList{nobell->value(), AddTimeList->lines()});
}

IntervalSettings intervalsOf(const main& w) {
    IntervalSettings s;
    s.start_h = toStd(w.start_h);
    s.start_m = toStd(w.start_m);
    s.exit_h = toStd(w.exit_h);
    s.exit_m = toStd(w.exit_m);
    s.worktime = toStd(w.worktime);
    s.resttime = toStd(w.resttime);
    s.nobell = w.nobell->value();
    s.txtStartBellSound = toStd(w.txtStartBellSound);
    s.txtEndBellSound = toStd(w.txtEndBellSound);
    s.ChkPreBell1 = w.ChkPreBell1->value();
    s.TxtPreBell1 = toStd(w.TxtPreBell1);
    s.TxtPreBellName1 = toStd(w.TxtPreBellName1);
    s.ChkPreBell2 = w.ChkPreBell2->value();
    s.TxtPreBell2 = toStd(w.TxtPreBell2);
    s.TxtPreBellName2 = toStd(w.TxtPreBellName2);
    return s;
}

namespace {

void showIntervals(main& w, const IntervalSettings& s) {
    w.start_h->setText(fromStd(s.start_h));
    w.start_m->setText(fromStd(s.start_m));
    w.exit_h->setText(fromStd(s.exit_h));
    w.exit_m->setText(fromStd(s.exit_m));
    w.worktime->setText(fromStd(s.worktime));
    w.resttime->setText(fromStd(s.resttime));
    w.txtStartBellSound->setText(fromStd(s.txtStartBellSound));
    w.txtEndBellSound->setText(fromStd(s.txtEndBellSound));
    w.ChkPreBell1->setValue(s.ChkPreBell1);
    w.TxtPreBell1->setText(fromStd(s.TxtPreBell1));
    w.TxtPreBellName1->setText(fromStd(s.TxtPreBellName1));
    w.ChkPreBell2->setValue(s.ChkPreBell2);
    w.TxtPreBell2->setText(fromStd(s.TxtPreBell2));
    w.TxtPreBellName2->setText(fromStd(s.TxtPreBellName2));
}

}  // namespace

void main::LoadWeekIntervals() {
    showIntervals(*this, model.weekIntervals());
}

void main::SaveWeekIntervals() {
    model.storeWeekIntervals(intervalsOf(*this));
}

void main::LoadDayIntervals() {
    const IntervalSettings s = model.dayIntervals(VScroll9->position());
    showIntervals(*this, s);
    nobell->setValue(s.nobell);
}

void main::SaveDayIntervals(int useSelector) {
    const int day = useSelector == 1 ? VScroll9->position() : pre_day->text().toInt();
    model.storeDayIntervals(day, intervalsOf(*this));
}

// ---- Mode and day selection -------------------------------------------------

void main::LoadCurrent() {
    if (Option1->isChecked()) {
        txtStartBellSound->clear();
        txtEndBellSound->clear();
        if (Option3->isChecked())
            LoadWeekIntervals();
        else
            LoadDayIntervals();
    } else {
        AddTimeList->clear();
        if (Option3->isChecked())
            LoadWeekList();
        else
            LoadDayList();
    }
}

void main::Option1_Click() {
    nobell->setEnabled(!Option3->isChecked());
    if (VScroll9->position() >= 8)
        VScroll9->setPosition(7);
    SaveSettings();
    LoadCurrent();
    ShowAutoPanels();
}

void main::Option2_Click() {
    nobell->setEnabled(!Option3->isChecked());
    SaveSettings();
    LoadCurrent();
    ShowManualPanels();
}

void main::Option3_Click() {
    nobell->setValue(0);
    nobell->setEnabled(false);
    VScroll9->setEnabled(false);
    if (loadPhase == 2)
        SaveSettings();
    else
        loadPhase = 2;
    reg_day->setText(tr("All days"));
    LoadCurrent();
    if (Option2->isChecked())
        applyTemplet->setVisible(true);
}

void main::Option4_Click() {
    nobell->setEnabled(true);
    VScroll9->setEnabled(true);
    const int today = services_.clock.now().weekday;
    reg_day->setText(weekdayName(today));
    pre_day->setText(QString::number(today));
    VScroll9->setPosition(today);
    if (loadPhase == 2) {
        SaveSettings();
        services_.messages.information(
            tr("Help"), tr("Click arrow in right [Select day], Seting each day bell time."));
    } else {
        loadPhase = 2;
    }
    LoadCurrent();
    if (Option2->isChecked())
        applyTemplet->setVisible(true);
}

void main::ShowManualPanels() {
    for (QGroupBox* panel : {frameStartEnd, frameInterval, frameBellSound, frameAlarm})
        panel->setVisible(false);
    for (QGroupBox* panel : {frameInputTime, frameAddedTime}) panel->setVisible(true);
    applyTemplet->setVisible(true);
}

void main::ShowAutoPanels() {
    for (QGroupBox* panel : {frameInputTime, frameAddedTime}) panel->setVisible(false);
    for (QGroupBox* panel : {frameStartEnd, frameInterval, frameBellSound, frameAlarm})
        panel->setVisible(true);
    applyTemplet->setVisible(false);
}

}  // namespace tollix
