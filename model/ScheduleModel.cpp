#include "model/ScheduleModel.h"

#include "engine/SchoolClock.h"
#include "model/FilesWatch.h"
#include "schedule/DataFiles.h"
#include "schedule/Intervals.h"
#include "schedule/SafeFile.h"
#include "sound/SoundLibrary.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdio>

namespace tollix {

namespace {

constexpr const char* kWarning = QT_TRANSLATE_NOOP("Refusal", "Warning");
constexpr const char* kWeekdays[] = {
    QT_TRANSLATE_NOOP("Refusal", "Sunday"),   QT_TRANSLATE_NOOP("Refusal", "Monday"),
    QT_TRANSLATE_NOOP("Refusal", "Tuesday"),  QT_TRANSLATE_NOOP("Refusal", "Wednesday"),
    QT_TRANSLATE_NOOP("Refusal", "Thursday"), QT_TRANSLATE_NOOP("Refusal", "Friday"),
    QT_TRANSLATE_NOOP("Refusal", "Saturday")};

Refusal warning(std::string text) {
    return {kWarning, std::move(text)};
}

// A music folder is named minutes_name; a name with a "." is a file.
bool validSoundName(const std::string& name) {
    if (name.find('.') != std::string::npos)
        return true;
    return wholeNumber(name.substr(0, name.find('_'))).has_value();
}

std::optional<long> inRange(const std::string& text, long low, long high) {
    const auto value = wholeNumber(text);
    if (value && *value >= low && *value <= high)
        return value;
    return std::nullopt;
}

void insertSorted(std::vector<std::string>& lines, std::string line) {
    // After any equal lines, as a sorted list box adds them.
    const auto at = std::upper_bound(
        lines.begin(), lines.end(), line,
        [](const std::string& a, const std::string& b) { return sound::listOrderLess(a, b); });
    lines.insert(at, std::move(line));
}

// A list is kept in its sorted order, whatever order a hand put it in.
std::vector<std::string> sorted(std::vector<std::string> lines) {
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return sound::listOrderLess(a, b); });
    return lines;
}

}  // namespace

ScheduleModel::ScheduleModel(AppPaths paths, QObject* parent)
    : QObject(parent), paths_(std::move(paths)) {}

void ScheduleModel::load(int today) {
    std::string why;
    general_ = datafiles::readGeneral(paths_.dataIni(), &why);
    readProblem(paths_.dataIni(), why);
    week_ = sorted(datafiles::readWeekList(paths_.weekList(), &why));
    readProblem(paths_.weekList(), why);
    for (int n = 1; n <= kDays + kTemplates; ++n) {
        DayList list = datafiles::readDayList(paths_.dayList(n), &why);
        readProblem(paths_.dayList(n), why);
        list.lines = sorted(std::move(list.lines));
        days_[static_cast<std::size_t>(n)] = std::move(list);
    }
    weekIntervals_ =
        datafiles::readIntervals(paths_.weekIntervals(), datafiles::IntervalFile::Week, &why);
    readProblem(paths_.weekIntervals(), why);
    for (int n = 1; n <= kDays; ++n) {
        dayIntervals_[static_cast<std::size_t>(n)] =
            datafiles::readIntervals(paths_.dayIntervals(n), datafiles::IntervalFile::Day, &why);
        readProblem(paths_.dayIntervals(n), why);
    }
    exit_ = ReadExitIni(paths_.exitIni(), &why);
    readProblem(paths_.exitIni(), why);
    calendar_ = keepingSubscribed(HolidayCalendar::read(paths_.holidaysIni()));
    readProblem(paths_.holidaysIni(),
                calendar_.unreadable() ? calendar_.problems().front().why : "");
    loadSchoolClock();
    loadOutputs();
    day_ = std::clamp(today, 1, kDays);
    nobell_ = 0;
    loadCurrent();
    emit generalChanged();
    emit schoolClockChanged();
    emit outputsChanged();
    emit exitChanged();
    emit calendarChanged();
}

// A missing file: the school's clocks go with this computer's.
void ScheduleModel::loadSchoolClock(bool again) {
    const safefile::Reading reading = safefile::read(paths_.clockIni(), safefile::kDataLimit);
    std::optional<std::int64_t> ms = 0;
    std::string why = reading.error;
    if (reading.read()) {
        const std::string_view text = reading.bytes;
        ms = parseSchoolClock(text.substr(0, text.find('\n')));
        if (!ms)
            why = paths_.clockIni().string() + ": not a number of seconds from -3600 to 3600";
    }
    if (!again) {
        schoolClockMs_ = ms.value_or(0);
        readProblem(paths_.clockIni(), why);
    } else if (reread(paths_.clockIni(), why)) {
        schoolClockMs_ = ms.value_or(0);
        emit schoolClockChanged();
    }
}

void ScheduleModel::setSchoolClockMs(std::int64_t ms) {
    constexpr auto kLimit = static_cast<std::int64_t>(kSchoolClockLimitSeconds * 1000);
    schoolClockMs_ = std::clamp(ms, -kLimit, kLimit);
    if (mayWrite(paths_.clockIni()))
        saved(safefile::write(paths_.clockIni(), schoolClockText(schoolClockMs_) + "\n"));
    emit schoolClockChanged();
}

namespace {

// One name a line, in order, each once; blanks and surrounding spaces dropped.
std::vector<std::string> outputNames(std::vector<std::string> lines) {
    std::vector<std::string> names;
    for (auto& line : lines) {
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        line = line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
        if (std::find(names.begin(), names.end(), line) == names.end())
            names.push_back(std::move(line));
    }
    return names;
}

}  // namespace

// A missing or empty file: the bells play on the default output.
void ScheduleModel::loadOutputs(bool again) {
    const safefile::Reading reading = safefile::read(paths_.outputIni(), safefile::kDataLimit);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < reading.bytes.size();) {
        const std::size_t end = std::min(reading.bytes.find('\n', at), reading.bytes.size());
        lines.push_back(reading.bytes.substr(at, end - at));
        at = end + 1;
    }
    if (!again) {
        outputs_ = outputNames(std::move(lines));
        readProblem(paths_.outputIni(), reading.error);
    } else if (reread(paths_.outputIni(), reading.error)) {
        outputs_ = outputNames(std::move(lines));
        emit outputsChanged();
    }
}

void ScheduleModel::setOutputs(std::vector<std::string> names) {
    outputs_ = outputNames(std::move(names));
    std::string text;
    for (const auto& name : outputs_) text += name + "\n";
    if (mayWrite(paths_.outputIni()))
        saved(safefile::write(paths_.outputIni(), text));
    emit outputsChanged();
}

void ScheduleModel::saved(const std::string& error) {
    if (watch_)
        watch_->own(writing_);  // not read again as another's change
    if (!error.empty())
        emit notSaved(QString::fromStdString(error), automatic_ > 0);
    else
        emit settingSaved();
}

void ScheduleModel::readProblem(const std::filesystem::path& file, const std::string& why) {
    if (why.empty()) {
        unreadable_.erase(file);  // mended meanwhile
        return;
    }
    if (unreadable_.insert_or_assign(file, why).second)
        emit unreadable(QString::fromStdString(why));
}

std::vector<std::string> ScheduleModel::readProblems() const {
    std::vector<std::string> problems;
    for (const auto& [file, why] : unreadable_) problems.push_back(why);
    return problems;
}

bool ScheduleModel::mayWrite(const std::filesystem::path& file) {
    writing_ = file;
    if (!unreadable_.contains(file))
        return true;
    if (automatic_ > 0)
        return false;
    if (const std::string error = safefile::keepAside(file); !error.empty()) {
        saved(error);
        return false;
    }
    unreadable_.erase(file);
    return true;
}

void ScheduleModel::followFiles() {
    if (watch_)
        return;
    std::vector<std::filesystem::path> files{paths_.dataIni(),       paths_.weekList(),
                                             paths_.weekIntervals(), paths_.exitIni(),
                                             paths_.clockIni(),      paths_.outputIni()};
    for (int n = 1; n <= kDays + kTemplates; ++n) files.push_back(paths_.dayList(n));
    for (int n = 1; n <= kDays; ++n) files.push_back(paths_.dayIntervals(n));
    watch_ = new FilesWatch(files, this);
    connect(watch_, &FilesWatch::changed, this,
            [this](const QString& file) { reload(file.toStdString()); });
}

// Read again, the file replaces what was held; unreadable, it is said once
// and the held settings stay, to be written over it at the operator's change.
bool ScheduleModel::reread(const std::filesystem::path& file, const std::string& why) {
    if (why.empty()) {
        unreadable_.erase(file);
        return true;
    }
    if (unreadable_.insert_or_assign(file, why).second)
        emit notReloaded(QString::fromStdString(why));
    return false;
}

// What the editor shows is drawn again only when it shows the file, and the
// interval fields only when they hold no change of the operator's.
void ScheduleModel::reload(const std::filesystem::path& file) {
    std::error_code gone;
    if (!std::filesystem::exists(file, gone))
        return;  // removed, perhaps for a moment: the settings held ring on
    emit reloading();
    std::string why;
    const bool manual = timeMode() == TimeMode::Manual;
    const bool week = dayMode() == DayMode::Week;
    if (file == paths_.dataIni()) {
        GeneralSettings fresh = datafiles::readGeneral(file, &why);
        if (!reread(file, why))
            return;
        fresh.fileListIndex = general_.fileListIndex;  // the operator's selection
        const bool modes = fresh.timeMode != general_.timeMode || fresh.dayMode != general_.dayMode;
        general_ = fresh;
        emit generalChanged();
        emit generalReloaded();
        if (modes) {
            if (timeMode() == TimeMode::Auto)
                day_ = std::min(day_, kDays);
            loadCurrent();
        }
    } else if (file == paths_.weekList()) {
        std::vector<std::string> lines = datafiles::readWeekList(file, &why);
        if (!reread(file, why))
            return;
        week_ = sorted(std::move(lines));
        if (manual && week)
            loadCurrent();
    } else if (file == paths_.weekIntervals()) {
        const IntervalSettings fresh =
            datafiles::readIntervals(file, datafiles::IntervalFile::Week, &why);
        if (!reread(file, why))
            return;
        const bool shown = !manual && week && shown_ == weekIntervals_;
        weekIntervals_ = fresh;
        if (shown)
            loadCurrent();
    } else if (file == paths_.exitIni()) {
        ExitSettings fresh = ReadExitIni(file, &why);
        if (reread(file, why)) {
            exit_ = std::move(fresh);
            emit exitChanged();
            emit exitReloaded();
        }
        return;
    } else if (file == paths_.clockIni()) {
        return loadSchoolClock(true);
    } else if (file == paths_.outputIni()) {
        return loadOutputs(true);
    } else {
        for (int n = 1; n <= kDays + kTemplates; ++n)
            if (file == paths_.dayList(n)) {
                DayList list = datafiles::readDayList(file, &why);
                if (!reread(file, why))
                    return;
                list.lines = sorted(std::move(list.lines));
                days_[static_cast<std::size_t>(n)] = std::move(list);
                if (manual && !week && n == day_)
                    loadCurrent();
            }
        for (int n = 1; n <= kDays; ++n)
            if (file == paths_.dayIntervals(n)) {
                const IntervalSettings fresh =
                    datafiles::readIntervals(file, datafiles::IntervalFile::Day, &why);
                if (!reread(file, why))
                    return;
                auto& held = dayIntervals_[static_cast<std::size_t>(n)];
                const bool shown = !manual && !week && n == day_ && shown_ == held;
                held = fresh;
                if (shown)
                    loadCurrent();
            }
    }
    emit daysReloaded();
}

// ---- General settings ---------------------------------------------------------

void ScheduleModel::saveGeneral() {
    if (mayWrite(paths_.dataIni()))
        saved(datafiles::writeGeneral(paths_.dataIni(), general_));
}

void ScheduleModel::setAutoExecution(bool on) {
    general_.auto_exe = on ? 1 : 0;
    saveGeneral();
    emit generalChanged();
    emit autoExecutionChanged(on);
}

void ScheduleModel::setAutoMode(int mode) {
    general_.autoMode = mode == 1 ? 1 : 2;
    saveGeneral();
    emit generalChanged();
}

void ScheduleModel::setSoundZero(bool on) {
    general_.sound_zero = on ? 1 : 0;
    saveGeneral();
    emit generalChanged();
}

void ScheduleModel::setBellRepeat(bool on) {
    general_.bellRepeat = on ? 1 : 0;
    saveGeneral();
    emit generalChanged();
}

void ScheduleModel::setTimeSync(bool on) {
    general_.chkTimeSync = on ? 1 : 0;
    emit generalChanged();
}

void ScheduleModel::selectSound(int index) {
    general_.fileListIndex = std::max(index, -1);
}

// ---- Mode and day ----------------------------------------------------------------

// What the editor shows comes from the stored settings of the current choice.
void ScheduleModel::loadCurrent() {
    const bool week = dayMode() == DayMode::Week;
    if (week)
        nobell_ = 0;
    if (timeMode() == TimeMode::Auto) {
        shown_ = week ? weekIntervals_ : dayIntervals_[static_cast<std::size_t>(day_)];
        if (!week)
            nobell_ = shown_.nobell;
    } else if (!week) {
        nobell_ = days_[static_cast<std::size_t>(day_)].nobell;
    }
    emit editorChanged();
}

// No template has interval settings: the auto mode stays on the weekdays.
void ScheduleModel::setTimeMode(TimeMode mode) {
    general_.timeMode = static_cast<int>(mode);
    if (mode == TimeMode::Auto && day_ > kDays)
        day_ = kDays;
    saveGeneral();
    emit generalChanged();
    loadCurrent();
}

void ScheduleModel::setDayMode(DayMode mode, int today) {
    general_.dayMode = static_cast<int>(mode);
    if (mode == DayMode::EachDay)
        day_ = std::clamp(today, 1, kDays);
    saveGeneral();
    emit generalChanged();
    loadCurrent();
}

Outcome ScheduleModel::selectDay(int position) {
    if (timeMode() == TimeMode::Auto) {
        // The day on screen is not left with fields that could not ring.
        if (auto refused = validateIntervals(false))
            return refused;
        if (position != day_)
            saveShownIntervals();
        // Before Sunday comes Saturday; after Saturday, Sunday again.
        day_ = position <= 0 ? kDays : position == kDays + 1 ? 1 : std::min(position, kDays);
    } else {
        if (position != day_)
            saveEditedList();
        const int last = kDays + kTemplates;
        day_ = position <= 0 ? last : position > last ? 1 : position;
    }
    loadCurrent();
    return std::nullopt;
}

std::string ScheduleModel::dayName() const {
    if (dayMode() == DayMode::Week)
        return QT_TRANSLATE_NOOP("Refusal", "All days");
    if (day_ > kDays)
        return "templet" + std::to_string(day_ - kDays);
    return kWeekdays[day_ - 1];
}

// ---- The manual list ---------------------------------------------------------------

const std::vector<std::string>& ScheduleModel::list() const {
    return dayMode() == DayMode::Week ? week_ : days_[static_cast<std::size_t>(day_)].lines;
}

std::vector<std::string>& ScheduleModel::editedList() {
    return dayMode() == DayMode::Week ? week_ : days_[static_cast<std::size_t>(day_)].lines;
}

void ScheduleModel::setNobell(int value) {
    nobell_ = value == 1 ? 1 : 0;
}

void ScheduleModel::editDay(int day, int nobell) {
    if (day >= 1 && day <= kDays + kTemplates)
        day_ = day;
    setNobell(nobell);
}

void ScheduleModel::saveEditedList() {
    if (dayMode() == DayMode::Week) {
        if (mayWrite(paths_.weekList()))
            saved(datafiles::writeWeekList(paths_.weekList(), week_));
        return;
    }
    DayList& list = days_[static_cast<std::size_t>(day_)];
    list.nobell = nobell_;
    if (mayWrite(paths_.dayList(day_)))
        saved(datafiles::writeDayList(paths_.dayList(day_), list));
}

Outcome ScheduleModel::checkBell(const std::string& hour, const std::string& minute,
                                 const std::optional<std::string>& sound) {
    if (!sound)
        return warning(QT_TRANSLATE_NOOP("Refusal", "Select bell sound int [Select bell sound]"));
    if (!validSoundName(*sound))
        return Refusal{
            "TOLLIX",
            QT_TRANSLATE_NOOP("Refusal",
                              "Invalid music folder name. (Format : minutes_music folder name)")};
    const Refusal badHour =
        warning(QT_TRANSLATE_NOOP("Refusal", "(Hour)Please input digit between 0 and 23"));
    const Refusal badMinute =
        warning(QT_TRANSLATE_NOOP("Refusal", "(Minute)Please input digit between 0 and 59"));
    if (hour.empty())
        return badHour;
    if (minute.empty())
        return badMinute;
    if (!inRange(hour, 0, 23))
        return badHour;
    if (!inRange(minute, 0, 59))
        return badMinute;
    return std::nullopt;
}

std::vector<std::string> ScheduleModel::inListOrder(std::vector<std::string> lines) {
    return sorted(std::move(lines));
}

Outcome ScheduleModel::addBell(const std::string& hour, const std::string& minute,
                               const std::optional<std::string>& sound) {
    if (auto refused = checkBell(hour, minute, sound))
        return refused;
    const auto h = inRange(hour, 0, 23);
    const auto m = inRange(minute, 0, 59);
    const std::string line = BellEntry::text(static_cast<int>(*h), static_cast<int>(*m), *sound);
    const std::string time = line.substr(0, line.find('/'));
    auto& lines = editedList();
    Outcome outcome;
    if (std::any_of(lines.begin(), lines.end(), [&](const std::string& existing) {
            return existing.substr(0, existing.find('/')) == time;
        }))
        outcome = warning(
            QT_TRANSLATE_NOOP("Refusal", "The corresponding time is being register already."));
    else
        insertSorted(lines, line);
    // Written in both cases, as the list on screen is.
    saveEditedList();
    emit editorChanged();
    return outcome;
}

Outcome ScheduleModel::deleteBell(int index) {
    auto& lines = editedList();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return warning(
            QT_TRANSLATE_NOOP("Refusal", "Select time that you want to delete in [Added time]"));
    lines.erase(lines.begin() + index);
    saveEditedList();
    emit editorChanged();
    return std::nullopt;
}

Outcome ScheduleModel::modifyBell(int index, const std::optional<std::string>& sound) {
    auto& lines = editedList();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return warning(
            QT_TRANSLATE_NOOP("Refusal", "Select time that you want to modify in [Added time]"));
    if (!sound)
        return warning(QT_TRANSLATE_NOOP("Refusal", "Select bell sound in [Select bell sound]"));
    // The time part has a fixed width, so the line keeps its place.
    std::string& line = lines[static_cast<std::size_t>(index)];
    line = line.substr(0, 11) + *sound;
    saveEditedList();
    emit editorChanged();
    return std::nullopt;
}

void ScheduleModel::deleteAllBells() {
    editedList().clear();
    saveEditedList();
    emit editorChanged();
}

void ScheduleModel::applyTemplate(int number) {
    if (number < 1 || number > kTemplates)
        return;
    const DayList stored = days_[static_cast<std::size_t>(kDays + number)];
    std::vector<std::string> lines;
    for (const auto& line : stored.lines) insertSorted(lines, line);
    editedList() = std::move(lines);
    if (dayMode() == DayMode::EachDay)
        nobell_ = stored.nobell;
    saveEditedList();
    emit editorChanged();
}

// ---- Interval settings ----------------------------------------------------------------

void ScheduleModel::setIntervals(const IntervalSettings& settings) {
    shown_ = settings;
}

void ScheduleModel::saveShownIntervals() {
    if (dayMode() == DayMode::Week) {
        weekIntervals_ = shown_;
        if (mayWrite(paths_.weekIntervals()))
            saved(datafiles::writeIntervals(paths_.weekIntervals(), shown_,
                                            datafiles::IntervalFile::Week));
        return;
    }
    shown_.nobell = nobell_;
    dayIntervals_[static_cast<std::size_t>(day_)] = shown_;
    if (mayWrite(paths_.dayIntervals(day_)))
        saved(datafiles::writeIntervals(paths_.dayIntervals(day_), shown_,
                                        datafiles::IntervalFile::Day));
}

Outcome ScheduleModel::pickSound(IntervalSound field, const std::optional<std::string>& sound) {
    if (!sound)
        return warning(QT_TRANSLATE_NOOP("Refusal", "Select bell sound from [Select bell sound]"));
    std::string& target = field == IntervalSound::StartBell    ? shown_.txtStartBellSound
                          : field == IntervalSound::EndBell    ? shown_.txtEndBellSound
                          : field == IntervalSound::AfterStart ? shown_.TxtPreBellName1
                                                               : shown_.TxtPreBellName2;
    target = *sound;
    saveShownIntervals();
    emit editorChanged();
    return std::nullopt;
}

Outcome ScheduleModel::validateIntervals(bool withAlarms) const {
    if (auto refused = ValidateIntervals(shown_, withAlarms))
        return warning(std::move(*refused));
    return std::nullopt;
}

// ---- Stored schedules ----------------------------------------------------------------

namespace {

bool storedDay(int n) {
    return n >= 1 && n <= ScheduleModel::kDays + ScheduleModel::kTemplates;
}

}  // namespace

const DayList& ScheduleModel::dayList(int n) const {
    static const DayList none;
    return storedDay(n) ? days_[static_cast<std::size_t>(n)] : none;
}

const IntervalSettings& ScheduleModel::dayIntervals(int n) const {
    static const IntervalSettings none;
    return storedDay(n) ? dayIntervals_[static_cast<std::size_t>(n)] : none;
}

void ScheduleModel::storeGeneral(const GeneralSettings& settings) {
    const bool autoExecution = settings.auto_exe != general_.auto_exe;
    general_ = settings;
    saveGeneral();
    emit generalChanged();
    if (autoExecution)
        emit autoExecutionChanged(general_.auto_exe == 1);
}

void ScheduleModel::storeWeekList(std::vector<std::string> lines) {
    week_ = std::move(lines);
    if (mayWrite(paths_.weekList()))
        saved(datafiles::writeWeekList(paths_.weekList(), week_));
}

void ScheduleModel::storeDayList(int n, DayList list) {
    if (!storedDay(n))
        return;
    days_[static_cast<std::size_t>(n)] = std::move(list);
    if (mayWrite(paths_.dayList(n)))
        saved(datafiles::writeDayList(paths_.dayList(n), days_[static_cast<std::size_t>(n)]));
}

void ScheduleModel::storeWeekIntervals(const IntervalSettings& settings) {
    weekIntervals_ = settings;
    if (mayWrite(paths_.weekIntervals()))
        saved(datafiles::writeIntervals(paths_.weekIntervals(), settings,
                                        datafiles::IntervalFile::Week));
}

void ScheduleModel::storeDayIntervals(int n, const IntervalSettings& settings) {
    if (!storedDay(n))
        return;
    dayIntervals_[static_cast<std::size_t>(n)] = settings;
    if (mayWrite(paths_.dayIntervals(n)))
        saved(datafiles::writeIntervals(paths_.dayIntervals(n), settings,
                                        datafiles::IntervalFile::Day));
}

void ScheduleModel::storedElsewhere() {
    if (timeMode() == TimeMode::Auto)
        day_ = std::min(day_, kDays);
    emit generalChanged();
    emit generalReloaded();
    emit exitReloaded();
    loadCurrent();
    emit daysReloaded();
}

bool ScheduleModel::weekdaysEmpty() const {
    return std::all_of(days_.begin() + 1, days_.begin() + 1 + kDays,
                       [](const DayList& day) { return day.lines.empty(); });
}

void ScheduleModel::startWeekdaysFromWeek() {
    for (int day = 1; day <= kDays; ++day)
        storeDayList(day, {days_[static_cast<std::size_t>(day)].nobell, week_});
    loadCurrent();
}

void ScheduleModel::copyListTo(const std::vector<int>& weekdays) {
    const std::vector<std::string> shown = list();
    for (const int day : weekdays)
        if (day >= 1 && day <= kDays)
            storeDayList(day, {days_[static_cast<std::size_t>(day)].nobell, shown});
    loadCurrent();
}

std::vector<int> ScheduleModel::copyWouldReplace(const std::vector<int>& weekdays) const {
    std::vector<int> replaced;
    for (const int day : weekdays)
        if (day >= 1 && day <= kDays) {
            const auto& own = days_[static_cast<std::size_t>(day)].lines;
            if (!own.empty() && own != list())
                replaced.push_back(day);
        }
    return replaced;
}

// ---- Start and the days ----------------------------------------------------------------

Outcome ScheduleModel::prepareStart(bool soundFound) {
    if (!soundFound)
        return warning(
            QT_TRANSLATE_NOOP("Refusal", "C:\\tollix\\sound folder must over one sound file"));
    if (timeMode() == TimeMode::Auto) {
        if (auto refused = validateIntervals(true))
            return refused;
        saveShownIntervals();
        return std::nullopt;
    }
    if (dayMode() == DayMode::Week && week_.empty())
        return warning(QT_TRANSLATE_NOOP("Refusal", "nothing added time. please add time."));
    // "No rings" as the box shows it is what today rings.
    if (dayMode() == DayMode::EachDay && days_[static_cast<std::size_t>(day_)].nobell != nobell_)
        saveEditedList();
    return std::nullopt;
}

DayPlan ScheduleModel::buildWeekday(int weekday) const {
    DayPlan plan;
    const bool week = dayMode() == DayMode::Week;
    const std::size_t n = static_cast<std::size_t>(std::clamp(weekday, 1, kDays));
    if (timeMode() == TimeMode::Auto) {
        const IntervalSettings& settings = week ? weekIntervals_ : dayIntervals_[n];
        if (auto refused = ValidateIntervals(settings, true)) {
            plan.refusal = std::string(kWeekdays[n - 1]) + ": " + *refused;
            return plan;
        }
        plan.clockLines =
            GenerateIntervalBells(settings, !week && settings.nobell == 1, plan.bells);
        return plan;
    }
    const std::vector<std::string>& lines = week ? week_ : days_[n].lines;
    if (week && lines.empty()) {
        plan.refusal = std::string(kWeekdays[n - 1]) + ": nothing added time. please add time.";
        return plan;
    }
    if (!week && days_[n].nobell == 1)
        return plan;
    fillFromList(lines, plan);
    return plan;
}

void ScheduleModel::fillFromList(const std::vector<std::string>& lines, DayPlan& plan) {
    int count = 0;
    for (const auto& line : lines) {
        const auto entry = BellEntry::parse(line);
        if (!entry || count >= BellSchedule::kCapacity)
            continue;
        plan.bells.todayTimes[static_cast<std::size_t>(count)] = entry->minuteOfDay;
        plan.bells.todaySounds[static_cast<std::size_t>(count)] = entry->sound;
        plan.clockLines.push_back(entry->clockText());
        ++count;
    }
    plan.bells.regularCount = count;
    plan.bells.todayCount = static_cast<std::int16_t>(count);
}

// A special day rings its template's list, whatever the mode.
DayPlan ScheduleModel::buildTemplet(int templet) const {
    DayPlan plan;
    const auto n = static_cast<std::size_t>(7 + std::clamp(templet, 1, kTemplates));
    fillFromList(days_[n].lines, plan);
    if (plan.bells.regularCount == 0)
        plan.refusal = "Templet " + std::to_string(templet) + " holds no bells";
    return plan;
}

DayPlan ScheduleModel::buildDay(std::int64_t date) const {
    const DayChoice choice = calendar_.choose(date);
    if (choice.kind == DayChoice::Kind::NoBells)
        return DayPlan{choice, {}, {}, {}};
    DayPlan plan = choice.kind == DayChoice::Kind::Special ? buildTemplet(choice.templet)
                                                           : buildWeekday(choice.weekday);
    plan.choice = choice;
    return plan;
}

std::optional<std::pair<int, std::string>> ScheduleModel::firstBellOn(std::int64_t date) const {
    const DayChoice choice = calendar_.choose(date);
    if (choice.kind == DayChoice::Kind::NoBells)
        return std::nullopt;
    if (choice.kind != DayChoice::Kind::Special)
        return firstBellOf(choice.weekday);
    return firstOf(buildTemplet(choice.templet));
}

std::optional<std::pair<int, std::string>> ScheduleModel::firstBellOf(int weekday) const {
    return firstOf(buildWeekday(weekday));
}

std::optional<std::pair<int, std::string>> ScheduleModel::firstOf(const DayPlan& plan) {
    std::optional<std::pair<int, std::string>> first;
    for (int i = 0; i < plan.bells.regularCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!first || plan.bells.todayTimes[at] < first->first)
            first = std::pair{plan.bells.todayTimes[at], plan.bells.todaySounds[at]};
    }
    return first;
}

// ---- Reserved exit and calendar ----------------------------------------------------------

void ScheduleModel::setAutoExit(bool on) {
    exit_.chkAutoExit = on ? 1 : 0;
    if (mayWrite(paths_.exitIni()))
        saved(WriteExitIni(paths_.exitIni(), exit_));
    emit exitChanged();
}

void ScheduleModel::setExitTime(int hour, int minute) {
    exit_.reservedExitHour = hour;
    exit_.reservedExitMinute = minute;
    exit_.hourLine.reset();
    exit_.minuteLine.reset();
    if (mayWrite(paths_.exitIni()))
        saved(WriteExitIni(paths_.exitIni(), exit_));
    emit exitChanged();
}

std::optional<int> ScheduleModel::reservedExitAt() const {
    if (exit_.chkAutoExit != 1 || !exit_.timeValid())
        return std::nullopt;
    return exit_.reservedExitHour * 60 + exit_.reservedExitMinute;
}

HolidayCalendar ScheduleModel::keepingSubscribed(HolidayCalendar calendar) const {
    calendar.setSubscribed(calendar_.subscribed());
    return calendar;
}

void ScheduleModel::setCalendar(HolidayCalendar calendar) {
    calendar_ = keepingSubscribed(std::move(calendar));
    emit calendarChanged();
}

void ScheduleModel::setSubscribedDays(std::vector<SubscribedDays> days) {
    calendar_.setSubscribed(std::move(days));
    emit calendarChanged();
}

bool ScheduleModel::templetHoldsBells(int templet) const {
    return buildTemplet(templet).refusal.empty();
}

std::vector<std::string> ScheduleModel::specialDaysWithoutBells(std::int64_t from) const {
    std::vector<std::string> lines;
    for (const HolidayRule& rule : calendar_.rules())
        if (rule.special() && rule.last >= from && !templetHoldsBells(rule.templet))
            lines.push_back(rule.line());
    for (const SubscribedDays& days : calendar_.subscribed())
        for (const HolidayRule& rule : days.rules)
            if (rule.special() && rule.last >= from && !templetHoldsBells(rule.templet))
                lines.push_back(rule.line() + " (" + days.calendar + ")");
    return lines;
}

}  // namespace tollix
