#pragma once

#include "model/ScheduleModel.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <string>

namespace tollix::web {

// The sound folder as the page changes it: a file added as "Add sound..."
// adds it, once a player has shown that it plays; a file deleted only while
// nothing names it.
class SoundsApi {
  public:
    // Whether the player can play a file.
    using Playable = std::function<bool(const std::filesystem::path&)>;
    // What else names a sound (the alarms): a text saying what, or empty.
    using NamedBy = std::function<std::string(const std::string& sound)>;
    struct Reply {
        int status = 200;
        QJsonObject body;
        std::string record;  // the ring record's line for a change
    };

    SoundsApi(const ScheduleModel& model, std::filesystem::path folder, Playable playable,
              NamedBy namedElsewhere)
        : model_(model),
          folder_(std::move(folder)),
          playable_(std::move(playable)),
          namedElsewhere_(std::move(namedElsewhere)) {}

    // `fileName`: the X-File-Name header, percent-encoded UTF-8; `replace`:
    // another sound of that name may be replaced. Reads nothing of the
    // model: it runs on a thread of its own while the player tries the file.
    Reply add(const QByteArray& bytes, const QByteArray& fileName, bool replace) const;
    Reply remove(const QString& name) const;
    // The lists and interval settings that name `sound`, as the page shows them.
    QStringList usersOf(const std::string& sound) const;

  private:
    const ScheduleModel& model_;
    std::filesystem::path folder_;
    Playable playable_;
    NamedBy namedElsewhere_;
};

}  // namespace tollix::web
