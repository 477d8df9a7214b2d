#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollix {

// One bell of a manual list, in its text form "07hr 05min/bell.mp3".
struct BellEntry {
    int minuteOfDay = 0;  // 0..1439
    std::string sound;

    static std::optional<BellEntry> parse(std::string_view line);
    static std::string text(int hour, int minute, std::string_view sound);

    int hour() const { return minuteOfDay / 60; }
    int minute() const { return minuteOfDay % 60; }
    std::string text() const { return text(hour(), minute(), sound); }
    // The form shown in the list of today's bells: "09hr00min".
    std::string clockText() const;
};

// A manual list as stored: the "No rings" state and the entry lines in list order.
struct DayList {
    int nobell = 0;
    std::vector<std::string> lines;
};

// The auto-interval settings, field by field as the window's controls hold them;
// the member initialisers are the controls' initial contents.
struct IntervalSettings {
    std::string start_h = "5";
    std::string start_m = "0";
    std::string exit_h = "23";
    std::string exit_m = "0";
    std::string worktime = "50";
    std::string resttime = "10";
    int nobell = 0;  // day files only
    std::string txtStartBellSound;
    std::string txtEndBellSound;
    int ChkPreBell1 = 0;
    std::string TxtPreBell1 = "1";
    std::string TxtPreBellName1;
    int ChkPreBell2 = 0;
    std::string TxtPreBell2 = "1";
    std::string TxtPreBellName2;

    bool operator==(const IntervalSettings&) const = default;
};

// "data.ini": the general settings.
struct GeneralSettings {
    int auto_exe = 0;
    int fileListIndex = -1;  // -1: nothing selected
    int timeMode = 1;        // 1 auto interval, 2 manual input
    int dayMode = 1;         // 1 apply week, 2 set each day
    int sound_zero = 0;
    int autoMode = 1;  // 1 execution to monitor, 2 to the tray
    int bellRepeat = 0;
    int chkTimeSync = 0;

    bool operator==(const GeneralSettings&) const = default;
};

// Today's bells, as starting the schedule builds them.
struct BellSchedule {
    static constexpr int kCapacity = 2001;
    // Minute value of a switched-off alarm; no time of day equals it.
    static constexpr int kSwitchedOff = 1500;

    std::array<int, kCapacity> todayTimes{};
    std::array<std::string, kCapacity> todaySounds;
    int regularCount = 0;
    std::int16_t todayCount = 0;
};

}  // namespace tollix
