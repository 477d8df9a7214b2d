#pragma once

#include "schedule/Holidays.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tollix::calendars {

// A line of data/calendars.ini: "URL [= NAME]".
struct Subscription {
    std::string url;   // as fetched, without credentials; webcal:// read as https://
    std::string name;  // also the name of its files in data/calendars/
    std::string user, password;
    bool plainHttp = false;  // http://, allowed only on the local network
};

struct Settings {
    std::vector<Subscription> subscriptions;
    int refreshHours = 6;
    std::filesystem::path ca;           // a school's own certificate authority, or empty
    std::vector<std::string> problems;  // "line 3: ..." and the like
};

inline constexpr int kDefaultRefreshHours = 6;

// A host only the local network reaches: loopback, private and link-local
// addresses, a name without a dot, a name under .local, .lan or .internal.
bool localNetworkHost(const std::string& host);

// `machine HOST login USER password PASSWORD` entries, `default` for any
// host; the file is not used unless only its owner may read it.
struct Login {
    std::string user, password;
};
std::map<std::string, Login> readNetrc(std::string_view text);

// calendars.ini with the logins of calendars.auth (when it is private), the
// CA file relative to the data folder.
Settings readSettings(const std::filesystem::path& ini, const std::filesystem::path& auth);

// A copy read with the importer's rules. An event whose summary ends with
// "[Templet K]" or whose CATEGORIES hold "Templet K" rings template K; one
// ending with "[Monday]" .. "[Sunday]" (or the weekday in the program's
// language) rings that weekday's bells. A file the importer refuses is refused.
struct CopyDays {
    std::vector<HolidayRule> rules;
    std::string error;
};
CopyDays readCopy(const std::string& text, std::int64_t today);

// What a new copy changes against the one in force, from `today` on.
struct Change {
    int daysOffAdded = 0;  // school days (Monday to Friday) newly without bells
    int daysOffRemoved = 0;
    int otherBells = 0;  // school days that ring another list than before
    std::vector<std::int64_t> changedSchoolDays;
    std::string held;     // why the copy waits for the operator; empty: it is taken
    std::string preview;  // the days it changes, named
    bool changes() const { return !changedSchoolDays.empty() || daysOffAdded || daysOffRemoved; }
    // "+3 days off, -1" (and other bells) for the ring record.
    std::string counts() const;
};
inline constexpr int kMaxChangedSchoolDays = 15;
// `first`: there is no copy yet; then only the month rule holds it.
Change compare(const std::string& name, const std::vector<HolidayRule>& before,
               const std::vector<HolidayRule>& after, std::int64_t today, bool first);

}  // namespace tollix::calendars
