// The main window's schedule: the day selector, start and stop, what the
// bell engine reads of the controls and what it reports, ringing by hand.
#include "schedule/Intervals.h"
#include "sound/SoundLibrary.h"
#include "ui/RingLogWindow.h"
#include "ui/Translations.h"
#include "ui/main.h"

#include <QSignalBlocker>

#include <filesystem>

namespace tollix {

namespace {

constexpr int kStateOnColour = 12171263;  // blue-green-red: red 255, green 183, blue 185
constexpr int kStateOffColour = 11263914;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

bool listHoldsPlayableFile(const SortedListBox& list) {
    for (int i = 0; i < list.count(); ++i)
        if (sound::isPlayableFile(list.text(i).toStdString()))
            return true;
    return false;
}

}  // namespace

// ---- The day selector -------------------------------------------------------

// In the auto mode the fields on screen must pass their checks before the
// day is left; the day on screen then stays the day the selector shows.
void main::VScroll9_Change() {
    if (!Option1->isChecked() && !Option2->isChecked())
        return;
    editHere();
    const Outcome outcome = model.selectDay(VScroll9->position());
    refused(outcome);
    if (outcome) {
        const QSignalBlocker quiet(VScroll9);
        VScroll9->setPosition(model.day());
    }
}

// ---- Start and stop ---------------------------------------------------------

void main::lockControls(bool running) {
    const bool usable = !running;
    for (QWidget* control : std::initializer_list<QWidget*>{worktime,        resttime,
                                                            VScroll1,        VScroll2,
                                                            VScroll3,        VScroll4,
                                                            VScroll5,        VScroll6,
                                                            VScrollPreBell1, VScrollPreBell2,
                                                            start_m,         start_h,
                                                            exit_m,          exit_h,
                                                            Option1,         Option2,
                                                            Option3,         Option4,
                                                            input_h,         input_m,
                                                            VScroll7,        VScroll8,
                                                            TimeAdd,         TimeDel,
                                                            TimeMod,         allDel,
                                                            applyTemplet,    ChkPreBell1,
                                                            TxtPreBell1,     TxtPreBellName1,
                                                            ChkPreBell2,     TxtPreBell2,
                                                            TxtPreBellName2, txtStartBellSound,
                                                            txtEndBellSound, CmdPreBell1,
                                                            CmdPreBell2,     cmdStartBellSound,
                                                            cmdEndBellSound})
        control->setEnabled(usable);
    start->setEnabled(usable);
    dayNote->setVisible(false);
    state->setText(running ? tr("ON") : tr("OFF"));
    setStateColour(running ? kStateOnColour : kStateOffColour);
    nobell->setEnabled(usable && !Option3->isChecked());
    VScroll9->setEnabled(usable && Option4->isChecked());
    updateTrayTip();
}

void main::start_Click() {
    if (isActiveWindow())
        clock_list->setFocus();

    // A make-up day rings another weekday's list: the editor goes to it.
    if (Option4->isChecked()) {
        editHere();
        refused(model.selectDay(engine.dayChoice(engine.clock().now()).weekday));
    }
    editHere();
    if (const Outcome outcome = model.prepareStart(listHoldsPlayableFile(*fileList))) {
        refused(outcome);
        return;
    }
    lockControls(true);

    // Today's bells are built afresh on every start, from what was just saved.
    engine.startSchedule();
    mnBellCount->setEnabled(true);
    SaveSettings();
}

// Today's bells, and what kind of day the schedule runs: a day off, a
// make-up day, or a day whose settings cannot ring, said in red.
void main::showDay() {
    clock_list->clear();
    for (const auto& line : engine.todayLines()) clock_list->addItem(fromStd(line));
    const DayChoice& day = engine.today();
    const QString name = QString::fromStdString(day.name);
    dayNote->setStyleSheet(QString());
    if (!engine.dayProblem().isEmpty()) {
        dayNote->setStyleSheet(QStringLiteral("color: #c00000;"));
        dayNote->setText(
            tr("No bells today: %1").arg(refusalText(engine.dayProblem().toStdString())));
        dayNote->setVisible(true);
        return;
    }
    switch (day.kind) {
        case DayChoice::Kind::Ordinary:
            dayNote->setVisible(false);
            return;
        case DayChoice::Kind::NoBells:
            state->setText(tr("HOLIDAY"));
            dayNote->setText(name.isEmpty() ? tr("No bells today") : name);
            break;
        case DayChoice::Kind::MakeUp:
            dayNote->setText(
                tr("Make-up day: %1's bells%2")
                    .arg(weekdayName(day.weekday),
                         name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name)));
            break;
        case DayChoice::Kind::Special:
            dayNote->setText(
                tr("Special day: Templet %1%2")
                    .arg(day.templet)
                    .arg(name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name)));
            break;
    }
    dayNote->setVisible(true);
}

void main::stop1_Click() {
    lockControls(false);
    clock_list->clear();
    mnBellCount->setEnabled(false);
    engine.stopSchedule();
}

// ---- What the engine reports ----------------------------------------------------

// Every second: kept cheap, and the date is written only when it changes.
void main::showClock(const LocalTime& t) {
    now->setText(tr("%1 hr %2 min %3 sec").arg(t.hour).arg(t.minute).arg(t.second));
    const std::int64_t day = t.dayNumber();
    if (day == shownDay_)
        return;
    shownDay_ = day;
    now_day->setText(QString::number(t.year) + QLatin1Char('-') + QString::number(t.month) +
                     QLatin1Char('-') + QString::number(t.day) + QLatin1String("  ") +
                     weekdayName(t.weekday));
}

void main::showNextBellTexts() {
    nextBell->setText(engine.nextBell);
    // A long name is shortened in the middle; the whole name is the tool tip.
    const int room = std::max(nextBellSound->width(), 120);
    nextBellSound->setText(
        nextBellSound->fontMetrics().elidedText(engine.nextBellSound, Qt::ElideMiddle, room));
    nextBellSound->setToolTip(engine.nextBellSound);
}

void main::showRingLog() {
    if (!ringLogWindow_)
        ringLogWindow_ = new RingLogWindow(services_.ringLog.file(), this);
    ringLogWindow_->showLatest();
}

// ---- Ringing by hand -----------------------------------------------------------

std::vector<std::string> main::soundList() const {
    std::vector<std::string> library;
    library.reserve(static_cast<std::size_t>(fileList->count()));
    for (int i = 0; i < fileList->count(); ++i) library.push_back(fileList->text(i).toStdString());
    return library;
}

void main::btnNowBell_Click() {
    const int index = fileList->ListIndex();
    engine.RingNow(index < 0 ? std::nullopt : std::optional(fileList->text(index).toStdString()),
                   soundList());
}

void main::countdownBell() {
    const int index = fileList->ListIndex();
    engine.RingNow(index < 0 ? std::nullopt : std::optional(fileList->text(index).toStdString()),
                   soundList(), RingCause::Countdown);
}

void main::bellStop_Click() {
    engine.bellStop();
}

void main::bellRepeat_Click() {
    bellStop->setVisible(bellRepeat->value() == 1);
    model.setBellRepeat(bellRepeat->value() == 1);
}

}  // namespace tollix
