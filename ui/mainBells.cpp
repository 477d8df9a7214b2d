// The main window's schedule: the day selector, start and stop, the clock
// tick that rings the bells, the next bell, and ringing by hand.
#include "engine/NextBell.h"
#include "schedule/Intervals.h"
#include "sound/MusicList.h"
#include "sound/SoundLibrary.h"
#include "ui/main.h"

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
    state->setText(running ? QStringLiteral("ON") : QStringLiteral("OFF"));
    setStateColour(running ? kStateOnColour : kStateOffColour);
    nobell->setEnabled(usable && !Option3->isChecked());
    VScroll9->setEnabled(usable && Option4->isChecked());
}

void main::start_Click() {
    if (isActiveWindow())
        clock_list->setFocus();

    const LocalTime today = services_.clock.now();
    if (Option3->isChecked()) {
        reg_day->setText(QStringLiteral("All days"));
    } else {
        reg_day->setText(weekdayName(today.weekday));
        VScroll9->setPosition(today.weekday);  // saves the day it leaves, loads today
    }

    if (!listHoldsPlayableFile(*fileList)) {
        services_.messages.information(QStringLiteral("Warning"),
                                       QStringLiteral("C:\\tollix\\sound folder must over one "
                                                      "sound file"));
        return;
    }

    const LocalTime moment = services_.clock.now();
    engine.lastMinute = moment.minute;
    engine.lastDay = static_cast<std::int16_t>(moment.day);

    // Today's bells are built afresh on every start.
    schedule = BellSchedule{};
    clock_list->clear();
    if (Option1->isChecked()) {
        const IntervalSettings settings = intervalsOf(*this);
        if (const auto refused = ValidateIntervals(settings, true)) {
            services_.messages.information(QStringLiteral("Warning"), fromStd(*refused));
            return;
        }
        startMinute = start_h->text().trimmed().toInt() * 60 + start_m->text().trimmed().toInt();
        endMinute = exit_h->text().trimmed().toInt() * 60 + exit_m->text().trimmed().toInt();
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

    ShowNextBell();
    engine.scheduleRunning = 1;
    mnBellCount->setEnabled(true);
    SaveSettings();
}

void main::stop1_Click() {
    lockControls(false);
    engine.scheduleRunning = 0;
    clock_list->clear();
    mnBellCount->setEnabled(false);
    soundPlayer.Close();
    engine.isPlaying = false;
    soundPlayer.EndBell();
    engine.ResetBellState();
    nextBell->clear();
    nextBellSound->clear();
}

// ---- The clock tick ---------------------------------------------------------

void main::bellMessage(const QString& title, const QString& text) {
    services_.messages.information(title, text);
}

void main::endBell() {
    soundPlayer.EndBell();
    engine.ResetBellState();
}

void main::playingSecond(const LocalTime& time, bool& listEnded) {
    listEnded = false;
    if (!engine.isPlaying)
        return;
    if (engine.musicFileCount() > 0 && soundPlayer.FadeStep(time.SecondOfDay())) {
        listEnded = true;
        return;
    }
    if (soundPlayer.CountSecond())
        return;
    if (engine.musicFileCount() > 0) {
        soundPlayer.Close();
        const auto next = sound::NextMusicFile(engine.music, paths().soundFolder());
        soundPlayer.OpenNext(next.string());
    } else if (bellRepeat->value() != 1 || !soundPlayer.Replay()) {
        endBell();
    }
}

void main::Timer1_Timer() {
    // A box shown by the tick is left open without holding up the next tick.
    if (inTick_)
        return;
    inTick_ = true;
    services_.messages.setWaiting(false);
    const LocalTime t = services_.clock.now();

    now->setText(QStringLiteral("%1 hr %2 min %3 sec").arg(t.hour).arg(t.minute).arg(t.second));
    now_day->setText(QStringLiteral("%1-%2-%3  %4")
                         .arg(t.year)
                         .arg(t.month)
                         .arg(t.day)
                         .arg(weekdayName(t.weekday)));

    bool listEnded = false;
    playingSecond(t, listEnded);
    bool tickDone = listEnded;

    if (!tickDone && t.minute != engine.lastMinute) {
        engine.lastMinute = t.minute;
        engine.bellCheckArmed = 1;
        if (chkAutoExit->value() == 1 &&
            t.MinuteOfDay() == reservedExitHour * 60 + reservedExitMinute && services_.powerOff)
            services_.powerOff->powerOff();
        if (engine.scheduleRunning == 0)
            engine.bellCheckArmed = 0;
    }

    if (!tickDone && engine.bellCheckArmed == 1 && engine.scheduleRunning == 1) {
        engine.bellCheckArmed = 0;
        if (t.day != engine.lastDay) {
            // A new day: today's bells are those of the new weekday.
            engine.lastDay = static_cast<std::int16_t>(t.day);
            stop1_Click();
            start_Click();
            engine.lastMinute = 59;
            tickDone = true;
        } else {
            const int count = std::min<int>(schedule.todayCount, BellSchedule::kCapacity);
            for (int i = 0; i < count; ++i)
                if (schedule.todayTimes[static_cast<std::size_t>(i)] == t.MinuteOfDay())
                    fireEntry(i);
        }
    }

    if (!tickDone) {
        if ((t.second + 3) % 6 == 0 && chkTimeSync->value() == 1 && services_.sendTimeRequest)
            services_.sendTimeRequest();
        sideClockText = fromStd(twelveHourClock(t.hour, t.minute, t.second));
        bellCountdownText =
            fromStd(nextBellCountdown(nextBell->text().toStdString(), t.SecondOfDay()));
    }
    services_.messages.setWaiting(true);
    inTick_ = false;
}

void main::fireEntry(int index) {
    endBell();
    const std::string name = schedule.todaySounds[static_cast<std::size_t>(index)];
    const std::filesystem::path folder = paths().soundFolder();
    std::filesystem::path file;
    const long minutes = sound::musicMinutes(name);
    if (minutes > 0) {
        engine.musicEndSecond =
            static_cast<int>(services_.clock.now().SecondOfDay() + minutes * 60);
        file = sound::StartScheduledMusicList(engine.music, folder, name);
    } else {
        // A file, or a name no list could hold: a bell sounds whenever any sound exists.
        std::error_code ec;
        if (name.find('.') != std::string::npos &&
            std::filesystem::is_regular_file(folder / name, ec))
            file = folder / name;
        else if (const auto first = sound::firstPlayableFile(folder))
            file = folder / *first;
    }
    if (file.empty() || !soundPlayer.OpenAndPlay(file.string(), 1)) {
        engine.ResetBellState();  // nothing to play: the bell is skipped
    } else if (start->isEnabled()) {
        // The window shows the schedule stopped: no bell may ring.
        engine.scheduleRunning = 0;
        endBell();
        return;
    }
    ShowNextBell();
}

// ---- Next bell ----------------------------------------------------------------

void main::ShowNextBell() {
    const NextBellText text =
        tollix::ShowNextBell(schedule, services_.clock.now().MinuteOfDay(), Option3->isChecked());
    nextBell->setText(fromStd(text.nextBell));
    nextBellSound->setText(fromStd(text.nextBellSound));
}

// ---- Ringing by hand -----------------------------------------------------------

void main::btnNowBell_Click() {
    if (fileList->ListIndex() < 0) {
        services_.messages.information(QStringLiteral("TOLLIX"),
                                       QStringLiteral("Select bell sound int [Select bell sound]"));
        return;
    }
    if (!listHoldsPlayableFile(*fileList)) {
        services_.messages.information(
            QStringLiteral("Warning"),
            QStringLiteral("C:\\tollix\\sound folder must over one mp3 or wav or wma sound file"));
        return;
    }
    const std::string name = fileList->text(fileList->ListIndex()).toStdString();
    const std::filesystem::path folder = paths().soundFolder();
    std::error_code ec;
    if (!std::filesystem::exists(folder / name, ec)) {
        services_.messages.information(QStringLiteral("TOLLIX"),
                                       QStringLiteral("Not exist selected bell in sound folder."));
        return;
    }
    endBell();
    std::filesystem::path file = folder / name;
    if (name.find('.') == std::string::npos) {
        engine.musicEndSecond =
            static_cast<int>(services_.clock.now().SecondOfDay() + sound::musicMinutes(name) * 60);
        file = sound::StartMusicList(engine.music, folder, name);
        if (file.empty()) {
            engine.ResetBellState();
            services_.messages.information(
                QStringLiteral("TOLLIX"),
                QStringLiteral("Music file must exist more than one in music list folder, except "
                               "file name starting ##"));
            return;
        }
    }
    if (!soundPlayer.OpenAndPlay(file.string(), 2))
        engine.ResetBellState();
}

void main::bellStop_Click() {
    endBell();
}

void main::bellRepeat_Click() {
    bellStop->setVisible(bellRepeat->value() == 1);
    SaveSettings();
}

}  // namespace tollix
