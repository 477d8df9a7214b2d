#pragma once

#include "schedule/AppPaths.h"
#include "schedule/BellEntry.h"
#include "schedule/Holidays.h"
#include "system/ExitIni.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tollix {

class FilesWatch;

// An operation the rules refuse: the message box's title and text.
struct Refusal {
    std::string title;
    std::string text;
    bool operator==(const Refusal&) const = default;
};
using Outcome = std::optional<Refusal>;  // nothing: done

// The bells of one date, built from the stored settings.
struct DayPlan {
    DayChoice choice;
    BellSchedule bells;
    // The regular bells as "Today Bells" shows them ("09hr00min"), in time order.
    std::vector<std::string> clockLines;
    // Why the day cannot ring ("Tuesday: (Start Hour)Please input ..."); empty when built.
    std::string refusal;
};

// Which field of the interval settings a sound is picked for.
enum class IntervalSound { StartBell, EndBell, AfterStart, BeforeEnd };

// Every setting of the program and the rules that change them: the general
// settings, the week and day lists, the templates, the interval settings, the
// reserved exit and the holiday calendar. Each change is written to its data
// file at once, in the files' own layouts; lines nobody changed keep their
// bytes. The windows draw what it holds and forward the operator's edits; the
// engine builds each day from it.
//
// Besides what is stored it holds the editor's place: the day the selector
// shows, the interval fields as typed (they are saved when the day is left,
// a sound is picked or the schedule starts) and the "No rings" box.
class ScheduleModel final : public QObject {
    Q_OBJECT

  public:
    enum class TimeMode { Auto = 1, Manual = 2 };
    enum class DayMode { Week = 1, EachDay = 2 };

    static constexpr int kDays = 7;       // 1 Sunday .. 7 Saturday
    static constexpr int kTemplates = 6;  // 8 .. 13

    explicit ScheduleModel(AppPaths paths, QObject* parent = nullptr);

    // While one lives, the model's saves are the program's own (start-up, the
    // new day, the reserved exit): they leave a file that could not be read
    // alone. Only the operator's change writes it again, the old one kept
    // beside it as NAME.unreadable.
    class OwnSaves {
      public:
        explicit OwnSaves(ScheduleModel& model) : model_(model) { ++model_.automatic_; }
        ~OwnSaves() { --model_.automatic_; }
        OwnSaves(const OwnSaves&) = delete;
        OwnSaves& operator=(const OwnSaves&) = delete;

      private:
        ScheduleModel& model_;
    };

    const AppPaths& paths() const { return paths_; }
    // Reads every file; the editor shows `today` (1..7) in the set-each-day mode.
    void load(int today);
    // Why each data file that could not be read stands in with the initial
    // settings, until it is read or written again.
    std::vector<std::string> readProblems() const;
    // From now on each data file another program writes or replaces is read
    // again; one that cannot be read leaves the settings held (holidays.ini
    // is followed by its own watch).
    void followFiles();

    // ---- General settings ("data.ini") ----
    const GeneralSettings& general() const { return general_; }
    TimeMode timeMode() const { return TimeMode{general_.timeMode == 2 ? 2 : 1}; }
    DayMode dayMode() const { return DayMode{general_.dayMode == 2 ? 2 : 1}; }
    // The check boxes and the start choice, saved at once.
    void setAutoExecution(bool on);
    void setAutoMode(int mode);  // 1 to the monitor, 2 to the tray
    void setSoundZero(bool on);
    void setBellRepeat(bool on);
    // "Internet time" is saved with the next change of the others.
    void setTimeSync(bool on);
    // The selected sound's place in the list, saved with the others.
    void selectSound(int index);
    void saveGeneral();

    // ---- Mode and day ----
    void setTimeMode(TimeMode mode);
    // Set each day shows `today` (1..7).
    void setDayMode(DayMode mode, int today);
    // The day selector moved to `position`; in the auto mode the fields on
    // screen must pass their checks before the day is left.
    Outcome selectDay(int position);
    int day() const { return day_; }
    // "All days", "Tuesday" or "templet2"; weekdays in English.
    std::string dayName() const;

    // ---- The manual list being edited ----
    const std::vector<std::string>& list() const;
    int nobell() const { return nobell_; }
    void setNobell(int value);
    // The window's selector stands on `day` with "No rings" as it shows it.
    void editDay(int day, int nobell);
    Outcome addBell(const std::string& hour, const std::string& minute,
                    const std::optional<std::string>& sound);
    Outcome deleteBell(int index);
    Outcome modifyBell(int index, const std::optional<std::string>& sound);
    void deleteAllBells();
    // The checks "Add" makes of a bell before it joins a list: nothing, or
    // why it is refused.
    static Outcome checkBell(const std::string& hour, const std::string& minute,
                             const std::optional<std::string>& sound);
    // Lines in the order a list box keeps them.
    static std::vector<std::string> inListOrder(std::vector<std::string> lines);
    void applyTemplate(int number);  // 1..6
    // Every weekday's list is empty: "Set each day" would start from nothing.
    bool weekdaysEmpty() const;
    // Each weekday starts from the week's list.
    void startWeekdaysFromWeek();
    // The list on screen becomes that of each of `weekdays` (1..7), "No rings" kept.
    void copyListTo(const std::vector<int>& weekdays);
    // Those of `weekdays` (1..7) whose own bells the copy would replace.
    std::vector<int> copyWouldReplace(const std::vector<int>& weekdays) const;

    // ---- The interval settings on screen ----
    const IntervalSettings& intervals() const { return shown_; }
    void setIntervals(const IntervalSettings& settings);
    Outcome pickSound(IntervalSound field, const std::optional<std::string>& sound);
    Outcome validateIntervals(bool withAlarms) const;

    // ---- Stored schedules ----
    // N: 1..7 the weekdays, 8..13 the templates; another N reads as empty.
    const std::vector<std::string>& weekList() const { return week_; }
    const DayList& dayList(int n) const;
    const IntervalSettings& weekIntervals() const { return weekIntervals_; }
    const IntervalSettings& dayIntervals(int n) const;
    // Replaced whole and written at once; a day that does not exist is not.
    void storeGeneral(const GeneralSettings& settings);
    void storeWeekList(std::vector<std::string> lines);
    void storeDayList(int n, DayList list);
    void storeWeekIntervals(const IntervalSettings& settings);
    void storeDayIntervals(int n, const IntervalSettings& settings);
    // Stored settings were changed by another front end (the web page): the
    // editor shows them and today's bells are built again.
    void storedElsewhere();

    // Start: the checks of the settings on screen, which are then saved as the
    // day's. `soundFound`: the sound list holds a playable file.
    Outcome prepareStart(bool soundFound);
    // The bells of a date (days since 1970-01-01), with the calendar's choice.
    DayPlan buildDay(std::int64_t date) const;
    // The first regular bell of a weekday's settings as stored.
    std::optional<std::pair<int, std::string>> firstBellOf(int weekday) const;
    // The first bell a date rings, as the calendar chooses its list.
    std::optional<std::pair<int, std::string>> firstBellOn(std::int64_t date) const;

    // ---- Reserved exit ("exit.ini") ----
    const ExitSettings& exitSettings() const { return exit_; }
    void setAutoExit(bool on);
    void setExitTime(int hour, int minute);
    // The minute of the day to switch off at, while set and a time of day.
    std::optional<int> reservedExitAt() const;

    // ---- Holiday calendar ----
    const HolidayCalendar& calendar() const { return calendar_; }
    // The calendar as its window saved it.
    void setCalendar(HolidayCalendar calendar);
    // The subscribed calendars' days, kept through every reading of the file.
    void setSubscribedDays(std::vector<SubscribedDays> days);
    // A special day rings its template: one without bells (1..6) is refused.
    bool templetHoldsBells(int templet) const;
    // The special days from `from` on (days since 1970-01-01) whose template
    // holds no bells, as their lines: said when set, not only on the day.
    std::vector<std::string> specialDaysWithoutBells(std::int64_t from) const;

    // ---- The school's wall clocks ("clock.ini") ----
    // How far the school's clocks are ahead of this computer's time.
    std::int64_t schoolClockMs() const { return schoolClockMs_; }
    // Limited to what the file may hold; saved at once.
    void setSchoolClockMs(std::int64_t ms);

    // ---- The outputs the bells play on ("output.ini") ----
    // Sound-server sink names; empty: the default output.
    const std::vector<std::string>& outputs() const { return outputs_; }
    // Blank and repeated names dropped; saved at once.
    void setOutputs(std::vector<std::string> names);

  signals:
    void generalChanged();
    // "Auto execution" set or cleared, from the window or the web page.
    void autoExecutionChanged(bool on);
    void outputsChanged();
    void schoolClockChanged();
    // The mode, the day shown, the list, "No rings" or the interval fields.
    void editorChanged();
    void exitChanged();
    void calendarChanged();
    // A file could not be written; the setting holds until the program ends.
    // `own`: a save of the program's own that nobody asked for.
    void notSaved(const QString& why, bool own);
    // A setting reached its file.
    void settingSaved();
    // A data file is there but could not be read: the initial settings stand
    // in for it. Said once per file until it is read or written again.
    void unreadable(const QString& why);
    // A data file changed on disk could not be read: the settings held stay.
    void notReloaded(const QString& why);
    // A file changed on disk is about to be read again: the window hands over
    // the fields as typed, which are kept.
    void reloading();
    // data.ini, exit.ini was read again from disk.
    void generalReloaded();
    void exitReloaded();
    // Lists, interval settings or modes were read again from disk.
    void daysReloaded();

  private:
    void loadCurrent();
    HolidayCalendar keepingSubscribed(HolidayCalendar calendar) const;
    void loadSchoolClock(bool again = false);
    void loadOutputs(bool again = false);
    void reload(const std::filesystem::path& file);
    bool reread(const std::filesystem::path& file, const std::string& why);
    std::vector<std::string>& editedList();
    void saveEditedList();
    void saveShownIntervals();
    void saved(const std::string& error);
    void readProblem(const std::filesystem::path& file, const std::string& why);
    bool mayWrite(const std::filesystem::path& file);
    DayPlan buildWeekday(int weekday) const;
    DayPlan buildTemplet(int templet) const;
    static void fillFromList(const std::vector<std::string>& lines, DayPlan& plan);
    static std::optional<std::pair<int, std::string>> firstOf(const DayPlan& plan);

    AppPaths paths_;
    GeneralSettings general_;
    std::vector<std::string> week_;
    std::array<DayList, 14> days_;  // 1..13
    IntervalSettings weekIntervals_;
    std::array<IntervalSettings, 14> dayIntervals_;  // 1..7, 8..13 as written by the selector
    ExitSettings exit_;
    HolidayCalendar calendar_;
    std::int64_t schoolClockMs_ = 0;
    std::vector<std::string> outputs_;
    int day_ = 1;
    IntervalSettings shown_;
    int nobell_ = 0;
    int automatic_ = 0;
    std::map<std::filesystem::path, std::string> unreadable_;  // and why
    FilesWatch* watch_ = nullptr;
    std::filesystem::path writing_;  // the file of the save under way
};

}  // namespace tollix
