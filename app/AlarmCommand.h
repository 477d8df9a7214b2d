#pragma once

#include "app/CommandLine.h"

namespace tollix {

// tollix --alarm NAME and --all-clear: the order handed to the running copy
// over its local socket. 0 once it took it, 1 when no copy runs, 2 when it
// does not know the name.
int handAlarmOrder(const CommandLine& command);

}  // namespace tollix
