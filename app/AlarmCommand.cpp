#include "app/AlarmCommand.h"

#include "platform/SingleInstance.h"

#include <cstdio>

namespace tollix {

int handAlarmOrder(const CommandLine& command) {
    const QByteArray order = command.action == CommandLine::Action::AllClear
                                 ? QByteArrayLiteral("all-clear")
                                 : "alarm " + command.alarm.toUtf8();
    SingleInstance instance;
    const auto answer = instance.sendOrder(order);
    if (!answer || answer->isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            QCoreApplication::translate("main", "TOLLIX does not run: the signal was not given.")
                .toLocal8Bit()
                .constData());
        return 1;
    }
    std::fwrite(answer->constData(), 1, static_cast<std::size_t>(answer->size()), stdout);
    return answer->startsWith("taken") ? 0 : 2;
}

}  // namespace tollix
