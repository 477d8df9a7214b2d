#include "web/SoundsApi.h"

#include "sound/SoundFolder.h"
#include "sound/SoundLibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QUrl>

namespace tollix::web {

namespace {

QString said(const char* text) {
    return QCoreApplication::translate("WebPage", text);
}

SoundsApi::Reply refused(int status, const QString& why) {
    return {status, {{QStringLiteral("error"), why}}, {}};
}

bool names(const std::vector<std::string>& lines, const std::string& sound) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        const auto entry = BellEntry::parse(line);
        return entry && entry->sound == sound;
    });
}

bool names(const IntervalSettings& s, const std::string& sound) {
    return s.txtStartBellSound == sound || s.txtEndBellSound == sound ||
           s.TxtPreBellName1 == sound || s.TxtPreBellName2 == sound;
}

}  // namespace

QStringList SoundsApi::usersOf(const std::string& sound) const {
    QStringList users;
    const auto day = [](int n) {  // the files count from Sunday, Qt from Monday
        return QLocale().dayName(n == 1 ? 7 : n - 1, QLocale::LongFormat);
    };
    if (names(model_.weekList(), sound))
        users << said("the week's list");
    if (names(model_.weekIntervals(), sound))
        users << said("the week's interval settings");
    for (int n = 1; n <= ScheduleModel::kDays; ++n) {
        if (names(model_.dayList(n).lines, sound))
            users << said("the list of %1").arg(day(n));
        if (names(model_.dayIntervals(n), sound))
            users << said("the interval settings of %1").arg(day(n));
    }
    for (int k = 1; k <= ScheduleModel::kTemplates; ++k)
        if (names(model_.dayList(ScheduleModel::kDays + k).lines, sound))
            users << said("Templet %1").arg(k);
    if (namedElsewhere_)
        if (const std::string other = namedElsewhere_(sound); !other.empty())
            users << QString::fromStdString(other);
    return users;
}

SoundsApi::Reply SoundsApi::add(const QByteArray& bytes, const QByteArray& fileName,
                                bool replace) const {
    const QString name = QUrl::fromPercentEncoding(fileName).trimmed();
    // A name of the folder's own, never a path out of it.
    if (name.isEmpty() || name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\') ||
        name.contains(QChar(0)))
        return refused(400, said("X-File-Name must name a file"));
    const std::string file = name.toStdString();
    if (!sound::isPlayableFile(file))
        return refused(415, said("Only .mp3, .wav, .wma, .ogg and .flac files are sounds"));
    if (bytes.isEmpty())
        return refused(400, said("The file is empty"));
    // Played from a folder of its own first: a file the player cannot play
    // never reaches the sound folder.
    QTemporaryDir tried;
    const std::filesystem::path copy = tried.path().toStdString() + "/" + file;
    QFile out(QString::fromStdString(copy.string()));
    if (!tried.isValid() || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return refused(500, said("The file could not be written"));
    out.close();
    if (!playable_ || !playable_(copy))
        return refused(415, said("The sound could not be played."));
    const auto added = sound::addSounds({copy}, folder_, [replace](const std::string&) {
                           return replace;
                       }).front();
    switch (added.added) {
        case sound::Added::Kept:
            return refused(409, said("The sound folder holds another %1").arg(name));
        case sound::Added::Failed:
            return refused(500, QString::fromStdString(added.error));
        case sound::Added::AlreadyThere:
            return {200, {{QStringLiteral("name"), name}}, {}};
        case sound::Added::Copied:
            break;
    }
    return {200, {{QStringLiteral("name"), name}}, "Sound added: " + file};
}

SoundsApi::Reply SoundsApi::remove(const QString& name) const {
    const std::string file = name.toStdString();
    std::vector<std::string> library;
    try {
        library = sound::SoundFolderScan(folder_);
    } catch (const std::filesystem::filesystem_error&) {
    }
    std::error_code ec;
    if (std::find(library.begin(), library.end(), file) == library.end() ||
        !std::filesystem::is_regular_file(folder_ / file, ec))
        return refused(404, said("No such sound file: %1").arg(name));
    if (const QStringList users = usersOf(file); !users.isEmpty())
        return refused(409, said("%1 is still named by: %2").arg(name, users.join(u", ")));
    if (!std::filesystem::remove(folder_ / file, ec) || ec)
        return refused(500, QString::fromStdString(ec.message()));
    return {200, {{QStringLiteral("ok"), true}}, "Sound deleted: " + file};
}

}  // namespace tollix::web
