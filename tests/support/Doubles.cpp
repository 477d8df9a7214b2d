#include "tests/support/Doubles.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <sstream>

#include <csignal>

#include <sys/prctl.h>

namespace tollix::test {

LocalTime SteppingClock::now() const {
    const std::time_t seconds = static_cast<std::time_t>(wallMs / 1000);
    std::tm t{};
    localtime_r(&seconds, &t);
    const int ms = static_cast<int>(wallMs % 1000), offset = static_cast<int>(t.tm_gmtoff);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,     t.tm_hour, t.tm_min,
            t.tm_sec,         ms,           t.tm_wday + 1, offset};
}

std::int64_t SteppingClock::localMs(const char* text) {
    std::tm local{};
    std::istringstream(text) >> std::get_time(&local, "%Y-%m-%d %H:%M:%S");
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local)) * 1000;
}

BellSchedule bells(const std::string& list, int alarms) {
    BellSchedule schedule;
    std::istringstream in(list);
    std::string time, sound;
    std::size_t count = 0;
    for (; in >> time >> sound; ++count) {
        schedule.todayTimes[count] = std::stoi(time) * 60 + std::stoi(time.substr(3));
        schedule.todaySounds[count] = sound;
    }
    schedule.todayCount = static_cast<std::int16_t>(count);
    schedule.regularCount = static_cast<int>(count) - alarms;
    return schedule;
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

void save(const fs::path& file, const GeneralSettings& settings) {
    ASSERT_EQ(datafiles::writeGeneral(file, settings), "");
}

void save(const fs::path& file, const DayList& list) {
    ASSERT_EQ(datafiles::writeDayList(file, list), "");
}

void saveWeekList(const fs::path& file, const std::vector<std::string>& lines) {
    ASSERT_EQ(datafiles::writeWeekList(file, lines), "");
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name))
        old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
    ::tzset();  // TZ takes effect at once
}

ScopedEnv::~ScopedEnv() {
    old_ ? ::setenv(name_.c_str(), old_->c_str(), 1) : ::unsetenv(name_.c_str());
    ::tzset();
}

std::vector<std::pair<std::string, std::string>> snapshot(const fs::path& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.emplace_back(
                entry.path().string(),
                readBytes(entry.path()) + "@" +
                    std::to_string(entry.last_write_time().time_since_epoch().count()));
    std::sort(files.begin(), files.end());
    return files;
}

std::string ringRecords(const fs::path& file) {
    std::string out;
    for (const auto& line : RingLog::lastLines(file, 1000)) {
        const auto outcome = line.find('\t') + 1;
        const auto sound = line.find('\t', outcome) + 1;
        out += (out.empty() ? "" : ", ") + line.substr(outcome, sound - 1 - outcome) + " " +
               line.substr(sound, line.find('\t', sound) - sound);
    }
    return out;
}

void endWithTest(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

}  // namespace tollix::test
