#include "web/ScheduleApi.h"

#include "engine/DayNote.h"
#include "schedule/Intervals.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <optional>

namespace tollix::web {

namespace {

// The page counts weekdays from Monday; the files from Sunday.
int modelDay(int weekday) {
    return weekday % 7 + 1;
}

QString said(const char* text) {
    return QCoreApplication::translate("WebPage", text);
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// A field that was read as typed: a number when it is one.
QJsonValue numberOrText(const std::string& field) {
    if (const auto value = wholeNumber(field))
        return static_cast<qint64>(*value);
    return text(field);
}

QString timeText(const std::string& hour, const std::string& minute) {
    const auto h = wholeNumber(hour);
    const auto m = wholeNumber(minute);
    if (h && m)
        return QStringLiteral("%1:%2")
            .arg(*h, 2, 10, QLatin1Char('0'))
            .arg(*m, 2, 10, QLatin1Char('0'));
    return text(hour + ":" + minute);
}

QJsonArray bellsJson(const std::vector<std::string>& lines) {
    QJsonArray bells;
    for (const auto& line : lines)
        if (const auto entry = BellEntry::parse(line))
            bells.append(QJsonObject{
                {QStringLiteral("time"),
                 timeText(std::to_string(entry->hour()), std::to_string(entry->minute()))},
                {QStringLiteral("sound"), text(entry->sound)}});
    return bells;
}

QJsonObject alarmJson(int on, const std::string& minutes, const std::string& sound) {
    return {{QStringLiteral("on"), on == 1},
            {QStringLiteral("minutes"), numberOrText(minutes)},
            {QStringLiteral("sound"), text(sound)}};
}

QJsonObject intervalsJson(const IntervalSettings& s, bool day) {
    QJsonObject o{
        {QStringLiteral("start"), timeText(s.start_h, s.start_m)},
        {QStringLiteral("end"), timeText(s.exit_h, s.exit_m)},
        {QStringLiteral("work"), numberOrText(s.worktime)},
        {QStringLiteral("rest"), numberOrText(s.resttime)},
        {QStringLiteral("workSound"), text(s.txtStartBellSound)},
        {QStringLiteral("restSound"), text(s.txtEndBellSound)},
        {QStringLiteral("afterStart"), alarmJson(s.ChkPreBell1, s.TxtPreBell1, s.TxtPreBellName1)},
        {QStringLiteral("beforeEnd"), alarmJson(s.ChkPreBell2, s.TxtPreBell2, s.TxtPreBellName2)}};
    if (day)
        o.insert(QStringLiteral("noRings"), s.nobell == 1);
    return o;
}

// The first bad field and what is wrong with it.
struct Problem {
    QString field;
    QString message;
};

QString join(const QString& path, const QString& key) {
    return path.isEmpty() ? key : path + u'.' + key;
}

// `given` laid over `into`: objects field by field, anything else whole.
bool merge(QJsonValue& into, const QJsonValue& given, const QString& path, Problem& problem) {
    if (!into.isObject()) {
        into = given;
        return true;
    }
    if (!given.isObject()) {
        problem = {path, said("not an object")};
        return false;
    }
    QJsonObject held = into.toObject();
    const QJsonObject part = given.toObject();
    for (auto it = part.begin(); it != part.end(); ++it) {
        if (path.isEmpty() && it.key() == QLatin1String("version"))
            continue;
        const QString at = join(path, it.key());
        if (!held.contains(it.key())) {
            problem = {at, said("not a field")};
            return false;
        }
        QJsonValue value = held.value(it.key());
        if (!merge(value, it.value(), at, problem))
            return false;
        held.insert(it.key(), value);
    }
    into = held;
    return true;
}

// "08:30" as hour and minute texts, checked as the window checks them.
std::optional<std::pair<int, int>> parseTime(const QJsonValue& value) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const auto match = form.match(value.toString());
    if (!value.isString() || !match.hasMatch())
        return std::nullopt;
    const std::string hour = match.captured(1).toStdString();
    const std::string minute = match.captured(2).toStdString();
    if (ScheduleModel::checkBell(hour, minute, std::string("a.wav")))
        return std::nullopt;
    return std::pair{std::stoi(hour), std::stoi(minute)};
}

QString notATime(const QJsonValue& value) {
    const QString shown = value.isString() ? value.toString()
                                           : QString::fromUtf8(QJsonDocument(QJsonArray{value})
                                                                   .toJson(QJsonDocument::Compact)
                                                                   .mid(1)
                                                                   .chopped(1));
    return said("%1 is not a time").arg(shown);
}

class Reader {
  public:
    Reader(const std::vector<std::string>& sounds, Problem& problem)
        : sounds_(sounds), problem_(problem) {}

    bool fail(const QString& field, const QString& message) {
        problem_ = {field, message};
        return false;
    }

    // A sound of the list; empty only where `blank` allows it.
    bool sound(const QJsonValue& value, const QString& field, bool blank, std::string& out) {
        if (!value.isString())
            return fail(field, said("not a sound name"));
        out = value.toString().toStdString();
        if (blank && out.empty())
            return true;
        if (const auto refused = ScheduleModel::checkBell("0", "0", out))
            return fail(field, refusalText(refused->text));
        if (std::find(sounds_.begin(), sounds_.end(), out) == sounds_.end())
            return fail(field, said("%1 is not in the sound folder").arg(value.toString()));
        return true;
    }

    bool bells(const QJsonValue& value, const QString& field, std::vector<std::string>& out) {
        if (!value.isArray())
            return fail(field, said("not a list"));
        const QJsonArray list = value.toArray();
        out.clear();
        std::vector<int> times;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString at = field + QStringLiteral("[%1]").arg(i);
            const QJsonObject bell = list[i].toObject();
            const auto time = parseTime(bell.value(QStringLiteral("time")));
            if (!time)
                return fail(at + QStringLiteral(".time"),
                            notATime(bell.value(QStringLiteral("time"))));
            std::string name;
            if (!sound(bell.value(QStringLiteral("sound")), at + QStringLiteral(".sound"), false,
                       name))
                return false;
            const int minute = time->first * 60 + time->second;
            if (std::find(times.begin(), times.end(), minute) != times.end())
                return fail(at + QStringLiteral(".time"),
                            refusalText("The corresponding time is being register already."));
            times.push_back(minute);
            out.push_back(BellEntry::text(time->first, time->second, name));
        }
        out = ScheduleModel::inListOrder(std::move(out));
        return true;
    }

    bool flag(const QJsonValue& value, const QString& field, int& out) {
        if (!value.isBool())
            return fail(field, said("not true or false"));
        out = value.toBool() ? 1 : 0;
        return true;
    }

    bool minutes(const QJsonValue& value, const QString& field, std::string& out) {
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number < 0 || number > 100000 ||
            number != static_cast<int>(number))
            return fail(field, said("not a whole number of minutes"));
        out = std::to_string(static_cast<int>(number));
        return true;
    }

    bool time(const QJsonValue& value, const QString& field, std::string& hour,
              std::string& minute) {
        const auto parsed = parseTime(value);
        if (!parsed)
            return fail(field, notATime(value));
        hour = std::to_string(parsed->first);
        minute = std::to_string(parsed->second);
        return true;
    }

    bool alarm(const QJsonObject& o, const QString& field, int& on, std::string& minutesOut,
               std::string& soundOut) {
        return flag(o.value(QStringLiteral("on")), field + QStringLiteral(".on"), on) &&
               minutes(o.value(QStringLiteral("minutes")), field + QStringLiteral(".minutes"),
                       minutesOut) &&
               sound(o.value(QStringLiteral("sound")), field + QStringLiteral(".sound"), true,
                     soundOut);
    }

    bool intervals(const QJsonObject& o, const QString& field, bool day, IntervalSettings& s) {
        const auto at = [&](const char* name) { return field + u'.' + QLatin1String(name); };
        const auto value = [&](const char* name) { return o.value(QLatin1String(name)); };
        if (!time(value("start"), at("start"), s.start_h, s.start_m) ||
            !time(value("end"), at("end"), s.exit_h, s.exit_m) ||
            !minutes(value("work"), at("work"), s.worktime) ||
            !minutes(value("rest"), at("rest"), s.resttime) ||
            !sound(value("workSound"), at("workSound"), true, s.txtStartBellSound) ||
            !sound(value("restSound"), at("restSound"), true, s.txtEndBellSound) ||
            !alarm(value("afterStart").toObject(), at("afterStart"), s.ChkPreBell1, s.TxtPreBell1,
                   s.TxtPreBellName1) ||
            !alarm(value("beforeEnd").toObject(), at("beforeEnd"), s.ChkPreBell2, s.TxtPreBell2,
                   s.TxtPreBellName2))
            return false;
        if (day && !flag(value("noRings"), at("noRings"), s.nobell))
            return false;
        // The checks "Start" makes: these settings ring as they are stored.
        if (const auto refused = ValidateIntervals(s, true))
            return fail(field, refusalText(*refused));
        return true;
    }

  private:
    const std::vector<std::string>& sounds_;
    Problem& problem_;
};

}  // namespace

QString contentVersion(const QJsonObject& content) {
    return QString::fromLatin1(
        QCryptographicHash::hash(QJsonDocument(content).toJson(QJsonDocument::Compact),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16));
}

QByteArray givenVersion(QByteArray version) {
    version = version.trimmed();
    if (version.startsWith("W/"))
        version = version.mid(2);
    if (version.size() >= 2 && version.startsWith('"') && version.endsWith('"'))
        version = version.mid(1, version.size() - 2);
    return version;
}

QJsonObject ScheduleApi::current() const {
    const ScheduleModel& m = model_;
    QJsonObject days;
    QJsonObject autoDays;
    for (int weekday = 1; weekday <= ScheduleModel::kDays; ++weekday) {
        const DayList& list = m.dayList(modelDay(weekday));
        days.insert(QString::number(weekday),
                    QJsonObject{{QStringLiteral("noRings"), list.nobell == 1},
                                {QStringLiteral("bells"), bellsJson(list.lines)}});
        autoDays.insert(QString::number(weekday),
                        intervalsJson(m.dayIntervals(modelDay(weekday)), true));
    }
    QJsonObject templates;
    for (int k = 1; k <= ScheduleModel::kTemplates; ++k)
        templates.insert(QString::number(k), bellsJson(m.dayList(ScheduleModel::kDays + k).lines));
    return {{QStringLiteral("mode"), m.timeMode() == ScheduleModel::TimeMode::Auto
                                         ? QStringLiteral("auto")
                                         : QStringLiteral("manual")},
            {QStringLiteral("applyDay"), m.dayMode() == ScheduleModel::DayMode::Week
                                             ? QStringLiteral("week")
                                             : QStringLiteral("each")},
            {QStringLiteral("auto"),
             QJsonObject{{QStringLiteral("week"), intervalsJson(m.weekIntervals(), false)},
                         {QStringLiteral("days"), autoDays}}},
            {QStringLiteral("week"), bellsJson(m.weekList())},
            {QStringLiteral("days"), days},
            {QStringLiteral("templates"), templates}};
}

QJsonObject ScheduleApi::read() const {
    QJsonObject schedule = current();
    schedule.insert(QStringLiteral("version"), contentVersion(schedule));
    return schedule;
}

ScheduleApi::Reply ScheduleApi::write(const QByteArray& body, QByteArray version,
                                      const std::vector<std::string>& sounds) {
    const QJsonObject held = current();
    version = givenVersion(version);
    if (version.isEmpty())
        return {428, {{QStringLiteral("error"), said("If-Match must give the version")}}};
    if (QString::fromLatin1(version) != contentVersion(held)) {
        QJsonObject stale = read();
        stale.insert(QStringLiteral("error"),
                     said("The schedule was changed meanwhile: here it is as it is now"));
        return {409, stale};
    }

    Problem problem;
    const auto refused = [&problem] {
        return Reply{
            400,
            {{QStringLiteral("error"), problem.field + QStringLiteral(": ") + problem.message},
             {QStringLiteral("field"), problem.field},
             {problem.field.isEmpty() ? QStringLiteral("body") : problem.field, problem.message}}};
    };
    QJsonParseError parsed;
    const QJsonDocument given = QJsonDocument::fromJson(body, &parsed);
    if (parsed.error != QJsonParseError::NoError || !given.isObject()) {
        problem = {QString(), said("not a JSON object")};
        return refused();
    }
    QJsonValue merged = held;
    if (!merge(merged, given.object(), QString(), problem))
        return refused();
    const QJsonObject next = merged.toObject();

    // Every changed part is read and checked first; stored only when all pass.
    Reader reader(sounds, problem);
    std::vector<std::function<void()>> stores;
    const auto changed = [&](const QJsonValue& a, const QJsonValue& b) { return a != b; };
    GeneralSettings general = model_.general();
    const QString mode = next[u"mode"].toString();
    const QString applyDay = next[u"applyDay"].toString();
    if (changed(next[u"mode"], held[u"mode"])) {
        if (mode != QLatin1String("auto") && mode != QLatin1String("manual")) {
            problem = {QStringLiteral("mode"), said("auto or manual")};
            return refused();
        }
        general.timeMode = mode == QLatin1String("auto") ? 1 : 2;
    }
    if (changed(next[u"applyDay"], held[u"applyDay"])) {
        if (applyDay != QLatin1String("week") && applyDay != QLatin1String("each")) {
            problem = {QStringLiteral("applyDay"), said("week or each")};
            return refused();
        }
        general.dayMode = applyDay == QLatin1String("week") ? 1 : 2;
    }
    if (general != model_.general())
        stores.emplace_back([this, general] { model_.storeGeneral(general); });

    const QJsonObject autoNext = next[u"auto"].toObject();
    const QJsonObject autoHeld = held[u"auto"].toObject();
    if (changed(autoNext[u"week"], autoHeld[u"week"])) {
        IntervalSettings s = model_.weekIntervals();
        if (!reader.intervals(autoNext[u"week"].toObject(), QStringLiteral("auto.week"), false, s))
            return refused();
        stores.emplace_back([this, s] { model_.storeWeekIntervals(s); });
    }
    for (int weekday = 1; weekday <= ScheduleModel::kDays; ++weekday) {
        const QString key = QString::number(weekday);
        const QJsonValue fresh = autoNext[u"days"].toObject().value(key);
        if (!changed(fresh, autoHeld[u"days"].toObject().value(key)))
            continue;
        const int n = modelDay(weekday);
        IntervalSettings s = model_.dayIntervals(n);
        if (!reader.intervals(fresh.toObject(), QStringLiteral("auto.days.") + key, true, s))
            return refused();
        stores.emplace_back([this, n, s] { model_.storeDayIntervals(n, s); });
    }

    if (changed(next[u"week"], held[u"week"])) {
        std::vector<std::string> lines;
        if (!reader.bells(next[u"week"], QStringLiteral("week"), lines))
            return refused();
        stores.emplace_back([this, lines] { model_.storeWeekList(lines); });
    }
    for (int weekday = 1; weekday <= ScheduleModel::kDays; ++weekday) {
        const QString key = QString::number(weekday);
        const QJsonObject fresh = next[u"days"].toObject().value(key).toObject();
        if (!changed(fresh, held[u"days"].toObject().value(key)))
            continue;
        const QString at = QStringLiteral("days.") + key;
        DayList list;
        if (!reader.flag(fresh[u"noRings"], at + QStringLiteral(".noRings"), list.nobell) ||
            !reader.bells(fresh[u"bells"], at + QStringLiteral(".bells"), list.lines))
            return refused();
        stores.emplace_back([this, n = modelDay(weekday), list] { model_.storeDayList(n, list); });
    }
    for (int k = 1; k <= ScheduleModel::kTemplates; ++k) {
        const QString key = QString::number(k);
        const QJsonValue fresh = next[u"templates"].toObject().value(key);
        if (!changed(fresh, held[u"templates"].toObject().value(key)))
            continue;
        const int n = ScheduleModel::kDays + k;
        DayList list{model_.dayList(n).nobell, {}};
        if (!reader.bells(fresh, QStringLiteral("templates.") + key, list.lines))
            return refused();
        stores.emplace_back([this, n, list] { model_.storeDayList(n, list); });
    }

    if (stores.empty())
        return {200, read(), false};
    for (const auto& store : stores) store();
    model_.storedElsewhere();
    return {200, read(), true};
}

}  // namespace tollix::web
