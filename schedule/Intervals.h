#pragma once

#include "schedule/BellEntry.h"

#include <optional>
#include <string>
#include <vector>

namespace tollix {

// The checks of the auto-interval settings, in their order; the message of
// the first that fails, or nothing when all pass. The alarm checks run only
// `withAlarms` (start does, the day selector does not).
std::optional<std::string> ValidateIntervals(const IntervalSettings& settings, bool withAlarms);

// Today's bells from valid settings: the start bell S0, the end bells E1..Ee,
// the further start bells S1..Ss, then the alarms (1500 for a switched-off
// one). With `nobell` nothing rings. Returns the lines of `clock_list`, in
// time order.
std::vector<std::string> GenerateIntervalBells(const IntervalSettings& settings, bool nobell,
                                               BellSchedule& schedule);

// A text of one or more decimal digits, blanks around it ignored.
std::optional<long> wholeNumber(const std::string& text);

}  // namespace tollix
