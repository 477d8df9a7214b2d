// The main window's schedule: the day selector, start and stop, what the
// bell engine reads of the controls and what it reports, ringing by hand.
#include "engine/DayNote.h"
#include "schedule/Holidays.h"
#include "sound/SoundLibrary.h"
#include "ui/MenuWindows.h"
#include "ui/main.h"

#include <QSignalBlocker>

#include <algorithm>

namespace tollix {

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
    lockEditors(running);
    start->setEnabled(usable);
    dayNote->setVisible(false);
    state->setText(running ? tr("ON") : tr("OFF"));
    stateColor->setStyleSheet(running ? QStringLiteral("background-color: #ffb7b9;")
                                      : QStringLiteral("background-color: #aadfab;"));
    nobell->setEnabled(usable && !Option3->isChecked());
    VScroll9->setEnabled(usable && Option4->isChecked());
    mnBellCount->setEnabled(running);
    if (!running)
        clock_list->clear();
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
    if (const Outcome outcome =
            model.prepareStart(std::ranges::any_of(soundList(), sound::isSoundFile))) {
        refused(outcome);
        return;
    }
    // Today's bells are built afresh on every start, from what was just saved;
    // the controls are locked as the engine reports it running.
    engine.startSchedule();
    SaveSettings();
}

// Today's bells, and what kind of day the schedule runs: a day off, a
// make-up day, a special day, or, in red, a day whose settings cannot ring
// and settings that ring nothing for a school week.
void main::showDay() {
    clock_list->clear();
    for (const auto& line : engine.todayLines()) clock_list->addItem(QString::fromStdString(line));
    const bool problem = !engine.dayProblem().isEmpty();
    dayNote->setStyleSheet(problem || engine.silentAhead() ? QStringLiteral("color: #c00000;")
                                                           : QString());
    dayNote->setText(dayNoteText(engine, true));
    dayNote->setVisible(!dayNote->text().isEmpty());
    // Both ways: a day off added while running, and taken away again.
    if (engine.running())
        state->setText(!problem && engine.today().kind == DayChoice::Kind::NoBells ? tr("HOLIDAY")
                                                                                   : tr("ON"));
}

void main::stop1_Click() {
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
    now_day->setText(QString::fromStdString(dateText(day)) + QLatin1String("  ") +
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

// ---- Ringing by hand -----------------------------------------------------------

std::vector<std::string> main::soundList() const {
    std::vector<std::string> library;
    library.reserve(static_cast<std::size_t>(fileList->count()));
    for (int i = 0; i < fileList->count(); ++i) library.push_back(fileList->text(i).toStdString());
    return library;
}

void main::ringSelected(RingCause cause) {
    engine.RingNow(selectedSound(), soundList(), cause);
}

void main::bellRepeat_Click() {
    bellStop->setVisible(bellRepeat->value() == 1);
    model.setBellRepeat(bellRepeat->value() == 1);
}

}  // namespace tollix
