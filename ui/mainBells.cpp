// The main window's schedule: the day selector, start and stop, what the
// bell engine reads of the controls and what it reports, ringing by hand.
#include "schedule/DataFiles.h"
#include "schedule/Intervals.h"
#include "sound/SoundLibrary.h"
#include "ui/RingLogWindow.h"
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

void main::VScroll9_Change() {
    if (!Option1->isChecked() && !Option2->isChecked())
        return;
    int position = VScroll9->position();
    if (Option1->isChecked()) {
        if (const auto refused = ValidateIntervals(intervalsOf(*this), false)) {
            // The day on screen stays the day the selector shows.
            const QSignalBlocker quiet(VScroll9);
            VScroll9->setPosition(pre_day->text().toInt());
            services_.messages.information(QStringLiteral("Warning"), fromStd(*refused));
            return;
        }
        if (pre_day->text().toInt() != position)
            SaveDayIntervals();
        // No template has interval settings: the selector stays on the days.
        if (position == 0 || position >= 8) {
            VScroll9->setPosition(position == 0 ? 7 : position == 8 ? 1 : 7);
            return;  // the run for the new position did the rest
        }
        reg_day->setText(weekdayName(position));
    } else {
        if (pre_day->text().toInt() != position)
            SaveDayList();
        if (position == 0 || position == 14) {
            VScroll9->setPosition(position == 0 ? 13 : 1);
            return;
        }
        if (position >= 8) {
            reg_day->setText(QStringLiteral("templet%1").arg(position - 7));
            nobell->setEnabled(false);
        } else {
            reg_day->setText(weekdayName(position));
            nobell->setEnabled(true);
        }
    }
    pre_day->setText(QString::number(position));
    LoadCurrent();
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
    state->setText(running ? QStringLiteral("ON") : QStringLiteral("OFF"));
    setStateColour(running ? kStateOnColour : kStateOffColour);
    nobell->setEnabled(usable && !Option3->isChecked());
    VScroll9->setEnabled(usable && Option4->isChecked());
    updateTrayTip();
}

void main::start_Click() {
    if (isActiveWindow())
        clock_list->setFocus();

    // A make-up day rings another weekday's list.
    const DayChoice day = engine.dayChoice(services_.clock.now());
    if (Option3->isChecked()) {
        reg_day->setText(QStringLiteral("All days"));
    } else {
        reg_day->setText(weekdayName(day.weekday));
        VScroll9->setPosition(day.weekday);  // saves the day it leaves, loads today
    }

    if (!listHoldsPlayableFile(*fileList)) {
        services_.messages.information(QStringLiteral("Warning"),
                                       QStringLiteral("C:\\tollix\\sound folder must over one "
                                                      "sound file"));
        return;
    }

    // Today's bells are built afresh on every start.
    BellSchedule schedule;
    clock_list->clear();
    if (Option1->isChecked()) {
        const IntervalSettings settings = intervalsOf(*this);
        if (const auto refused = ValidateIntervals(settings, true)) {
            services_.messages.information(QStringLiteral("Warning"), fromStd(*refused));
            return;
        }
        lockControls(true);
        if (Option3->isChecked())
            SaveWeekIntervals();
        else
            SaveDayIntervals(1);
        for (const auto& line : GenerateIntervalBells(settings, nobell->value() == 1, schedule))
            clock_list->addItem(fromStd(line));
    } else {
        if (Option3->isChecked() && AddTimeList->count() == 0) {
            services_.messages.information(QStringLiteral("Warning"),
                                           QStringLiteral("nothing added time. please add time."));
            return;
        }
        lockControls(true);
        if (nobell->value() != 1) {
            int count = 0;
            for (const auto& line : AddTimeList->lines()) {
                const auto entry = BellEntry::parse(line);
                if (!entry || count >= BellSchedule::kCapacity)
                    continue;
                schedule.todayTimes[static_cast<std::size_t>(count)] = entry->minuteOfDay;
                schedule.todaySounds[static_cast<std::size_t>(count)] = entry->sound;
                clock_list->addItem(fromStd(entry->clockText()));
                ++count;
            }
            schedule.regularCount = count;
            schedule.todayCount = static_cast<std::int16_t>(count);
        }
    }

    engine.startSchedule(std::move(schedule));
    showDayKind();
    mnBellCount->setEnabled(true);
    SaveSettings();
}

// The state area says what kind of day the schedule runs.
void main::showDayKind() {
    const DayChoice& day = engine.today;
    const QString name = QString::fromStdString(day.name);
    switch (day.kind) {
        case DayChoice::Kind::Ordinary:
            dayNote->setVisible(false);
            return;
        case DayChoice::Kind::NoBells:
            state->setText(QStringLiteral("HOLIDAY"));
            clock_list->clear();
            dayNote->setText(name.isEmpty() ? QStringLiteral("No bells today") : name);
            break;
        case DayChoice::Kind::MakeUp:
            dayNote->setText(
                QStringLiteral("Make-up day: %1's bells%2")
                    .arg(weekdayName(day.weekday),
                         name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name)));
            break;
    }
    dayNote->setVisible(true);
}

// What rings on a later day: the first bell of that weekday's list, read
// from the files the editors keep up to date.
std::optional<std::pair<int, std::string>> main::firstBellOf(int weekday) const {
    BellSchedule bells;
    if (Option1->isChecked()) {
        const IntervalSettings settings =
            Option3->isChecked()
                ? datafiles::readIntervals(paths().weekIntervals(), datafiles::IntervalFile::Week)
                : datafiles::readIntervals(paths().dayIntervals(weekday),
                                           datafiles::IntervalFile::Day);
        if (ValidateIntervals(settings, true))
            return std::nullopt;
        GenerateIntervalBells(settings, settings.nobell == 1, bells);
    } else {
        const DayList list = Option3->isChecked()
                                 ? DayList{0, datafiles::readWeekList(paths().weekList())}
                                 : datafiles::readDayList(paths().dayList(weekday));
        if (list.nobell == 1)
            return std::nullopt;
        int count = 0;
        for (const auto& line : list.lines)
            if (const auto entry = BellEntry::parse(line);
                entry && count < BellSchedule::kCapacity) {
                bells.todayTimes[static_cast<std::size_t>(count)] = entry->minuteOfDay;
                bells.todaySounds[static_cast<std::size_t>(count)] = entry->sound;
                ++count;
            }
        bells.regularCount = count;
    }
    std::optional<std::pair<int, std::string>> first;
    for (int i = 0; i < bells.regularCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!first || bells.todayTimes[at] < first->first)
            first = std::pair{static_cast<int>(bells.todayTimes[at]), bells.todaySounds[at]};
    }
    return first;
}

void main::stop1_Click() {
    lockControls(false);
    clock_list->clear();
    mnBellCount->setEnabled(false);
    engine.stopSchedule();
}

// ---- What the engine reads and asks -------------------------------------------

bool main::repeatBell() const {
    return bellRepeat->value() == 1;
}

bool main::soundZero() const {
    return sound_zero->value() == 1;
}

bool main::applyWeek() const {
    return Option3->isChecked();
}

bool main::timeSync() const {
    return chkTimeSync->value() == 1;
}

bool main::showsStopped() const {
    return start->isEnabled();
}

// The new day's start is the program's own: it leaves unreadable files alone.
void main::restartSchedule() {
    ++automatic_;
    stop1_Click();
    start_Click();
    --automatic_;
}

// ---- What the engine reports ----------------------------------------------------

// Every second: kept cheap, and the date is written only when it changes.
void main::showClock(const LocalTime& t) {
    now->setText(QString::number(t.hour) + QLatin1String(" hr ") + QString::number(t.minute) +
                 QLatin1String(" min ") + QString::number(t.second) + QLatin1String(" sec"));
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
    SaveSettings();
}

}  // namespace tollix
