#pragma once

#include "engine/BellEngine.h"
#include "model/ScheduleModel.h"
#include "platform/Clock.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tollix::timesync {
class TimeSync;
}

namespace tollix::web {

// What the page may see and do, in JSON: the answers are the engine's and
// the model's own, never read back from a window. Every order is put on the
// ring record with the address it came from.
class WebApi {
  public:
    struct Services {
        ScheduleModel& model;
        BellEngine& engine;
        const Clock& clock;
        std::filesystem::path soundFolder;
        std::filesystem::path ringLog;
        // Internet time; none: the bells go by the computer's clock.
        const timesync::TimeSync* timeSync = nullptr;
    };
    struct Reply {
        int status = 200;
        QJsonObject body;
    };

    explicit WebApi(Services services);

    // What changes, small enough to be asked every second: today's bells and
    // the last rings are only marked, and asked for when their mark changes.
    Reply status() const;
    // Today's bells in their order, none while the schedule is stopped.
    Reply today() const;
    Reply rings(int limit) const;
    Reply sounds() const;
    // `body`: {"sound": NAME}; `from`: the client's address.
    Reply ring(const QByteArray& body, const std::string& from);
    Reply stopBell(const std::string& from);
    Reply startSchedule(const std::string& from);
    Reply stopSchedule(const std::string& from);
    // A log-in, a refused one or a log-out, on record.
    void recordOrder(const std::string& what, const std::string& from);
    // Problems of other parts (the subscribed calendars), said with the status.
    void addProblems(std::function<QStringList()> problems) {
        moreProblems_.push_back(std::move(problems));
    }

  private:
    Services services_;
    std::vector<std::function<QStringList()>> moreProblems_;
    // Counts each new build of today's bells, and each start and stop.
    int todayMark_ = 1;
    QObject watching_;
};

}  // namespace tollix::web
