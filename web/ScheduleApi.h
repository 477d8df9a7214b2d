#pragma once

#include "model/ScheduleModel.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <string>
#include <vector>

namespace tollix::web {

// A version of `content`: another whenever it changes.
QString contentVersion(const QJsonObject& content);
// The version an If-Match header names, its quotes taken off.
QByteArray givenVersion(QByteArray ifMatch);

// The schedule as the page and scripts see it: the modes, the interval
// settings, the week's list, each weekday's (Monday = 1) and the six
// templates. Stored through the model, with the checks the window makes.
class ScheduleApi {
  public:
    struct Reply {
        int status = 200;
        QJsonObject body;
        bool changed = false;  // something was written
    };

    explicit ScheduleApi(ScheduleModel& model) : model_(model) {}

    // The whole schedule with its version.
    QJsonObject read() const;
    // `body`: any part of what read() gives; `version`: the one it was read
    // at. Every part is checked before anything is written: the first bad
    // field is named and nothing changes. `sounds`: the sound list.
    Reply write(const QByteArray& body, QByteArray version, const std::vector<std::string>& sounds);

  private:
    QJsonObject current() const;
    ScheduleModel& model_;
};

}  // namespace tollix::web
