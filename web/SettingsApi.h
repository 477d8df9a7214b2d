#pragma once

#include "model/ScheduleModel.h"

#include <QByteArray>
#include <QJsonObject>

#include <functional>
#include <string>
#include <vector>

namespace tollix::web {

// The settings beside the schedule as the page edits them: the outputs, the
// school clock, "Internet time", "No com sound", "Auto execution" and the
// reserved exit. Stored through the model; the first bad field is named and
// nothing is written.
class SettingsApi {
  public:
    struct Reply {
        int status = 200;
        QJsonObject body;
        std::vector<std::string> changed;  // the names of the settings changed
    };
    // A part of the settings kept elsewhere (the alarms): its JSON, why it
    // refuses a value (empty: it takes it) and its store.
    struct Part {
        std::function<QJsonValue()> read;
        std::function<std::string(const QJsonValue&)> check;
        std::function<void(const QJsonValue&)> write;
    };

    // `startEntry`: "Auto execution" takes effect; else it is refused with a note.
    explicit SettingsApi(ScheduleModel& model, bool startEntry = true)
        : model_(model), startEntry_(startEntry) {}
    // Another part under `name` (the alarms hook here).
    void addPart(const QString& name, Part part) { parts_.emplace_back(name, std::move(part)); }

    QJsonObject read() const;
    Reply write(const QByteArray& body, QByteArray version);

  private:
    QJsonObject current() const;
    ScheduleModel& model_;
    bool startEntry_;
    std::vector<std::pair<QString, Part>> parts_;
};

}  // namespace tollix::web
