#pragma once

#include "schedule/BellEntry.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tollix::datafiles {

// Readers never fail: a missing file, a short file or a bad line gives the
// initial value of each field concerned. A file that is there but cannot be
// read (not a file, too large; for data.ini also empty or with a first line
// that is no check box state) gives the initial values too, and says why in
// `unreadable`, so that the caller does not write defaults over it. Writers
// return an error text, empty on success, and replace the whole file atomically.

GeneralSettings readGeneral(const std::filesystem::path& file, std::string* unreadable = nullptr);
std::string writeGeneral(const std::filesystem::path& file, const GeneralSettings& settings);

// "mdata.ini": every line an entry.
std::vector<std::string> readWeekList(const std::filesystem::path& file,
                                      std::string* unreadable = nullptr);
std::string writeWeekList(const std::filesystem::path& file, const std::vector<std::string>& lines);

// mdata_N.ini: the "No rings" state, then the entries.
DayList readDayList(const std::filesystem::path& file, std::string* unreadable = nullptr);
std::string writeDayList(const std::filesystem::path& file, const DayList& list);

// "adata.ini" (14 lines) or adata_N.ini (15 lines, "No rings" as line 7).
enum class IntervalFile { Week, Day };
IntervalSettings readIntervals(const std::filesystem::path& file, IntervalFile kind,
                               std::string* unreadable = nullptr);
std::string writeIntervals(const std::filesystem::path& file, const IntervalSettings& settings,
                           IntervalFile kind);

}  // namespace tollix::datafiles
