#include "web/SettingsApi.h"

#include "engine/SchoolClock.h"
#include "web/ScheduleApi.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>

namespace tollix::web {

namespace {

QString said(const char* text) {
    return QCoreApplication::translate("WebPage", text);
}

QString exitTime(const ExitSettings& exit) {
    if (!exit.timeValid())  // kept in the file as written: no time of day
        return QString::fromStdString(
            exit.hourLine.value_or(std::to_string(exit.reservedExitHour)) + ":" +
            exit.minuteLine.value_or(std::to_string(exit.reservedExitMinute)));
    return QStringLiteral("%1:%2")
        .arg(exit.reservedExitHour, 2, 10, QLatin1Char('0'))
        .arg(exit.reservedExitMinute, 2, 10, QLatin1Char('0'));
}

// The bell service starts with the computer, before anyone logs on; a start
// entry would only open the page again at every log-on.
QString serviceNote() {
    return said(
        "The bell service starts with the computer: Auto execution, the start at "
        "log-on, does nothing here.");
}

}  // namespace

QJsonObject SettingsApi::current() const {
    const GeneralSettings& general = model_.general();
    QJsonArray outputs;
    for (const auto& name : model_.outputs()) outputs.append(QString::fromStdString(name));
    QJsonObject settings{
        {QStringLiteral("outputs"), outputs},
        {QStringLiteral("schoolClockSeconds"), static_cast<double>(model_.schoolClockMs()) / 1000},
        {QStringLiteral("internetTime"), general.chkTimeSync == 1},
        {QStringLiteral("noComSound"), general.sound_zero == 1},
        {QStringLiteral("autoExecution"), general.auto_exe == 1},
        {QStringLiteral("reservedExit"),
         QJsonObject{{QStringLiteral("on"), model_.exitSettings().chkAutoExit == 1},
                     {QStringLiteral("time"), exitTime(model_.exitSettings())}}}};
    for (const auto& [name, part] : parts_) settings.insert(name, part.read());
    return settings;
}

QJsonObject SettingsApi::read() const {
    QJsonObject settings = current();
    settings.insert(QStringLiteral("version"), contentVersion(settings));
    if (!startEntry_)
        settings.insert(QStringLiteral("autoExecutionNote"), serviceNote());
    return settings;
}

SettingsApi::Reply SettingsApi::write(const QByteArray& body, QByteArray version) {
    const QJsonObject held = current();
    version = givenVersion(version);
    if (version.isEmpty())
        return {428, {{QStringLiteral("error"), said("If-Match must give the version")}}, {}};
    if (QString::fromLatin1(version) != contentVersion(held)) {
        QJsonObject stale = read();
        stale.insert(QStringLiteral("error"),
                     said("The settings were changed meanwhile: here they are as they are now"));
        return {409, stale, {}};
    }
    const QJsonDocument given = QJsonDocument::fromJson(body);
    QString field;
    QString problem;
    const auto refused = [&] {
        return Reply{400,
                     {{QStringLiteral("error"), field + QStringLiteral(": ") + problem},
                      {QStringLiteral("field"), field},
                      {field, problem}},
                     {}};
    };
    if (!given.isObject()) {
        field = QStringLiteral("body");
        problem = said("not a JSON object");
        return refused();
    }
    const QJsonObject next = given.object();
    for (auto it = next.begin(); it != next.end(); ++it)
        if (it.key() != QLatin1String("version") && !held.contains(it.key())) {
            field = it.key();
            problem = said("not a field");
            return refused();
        }
    const auto changed = [&](const char* key) {
        const QString name = QLatin1String(key);
        return next.contains(name) && next.value(name) != held.value(name);
    };
    const auto flag = [&](const char* key, bool& out) {
        const QJsonValue value = next.value(QLatin1String(key));
        if (!value.isBool()) {
            field = QLatin1String(key);
            problem = said("not true or false");
            return false;
        }
        out = value.toBool();
        return true;
    };

    // Read and checked first; stored only when all pass.
    std::vector<std::function<void()>> stores;
    Reply done;
    if (changed("outputs")) {
        const QJsonValue value = next.value(QStringLiteral("outputs"));
        std::vector<std::string> names;
        for (const auto name : value.toArray()) {
            if (!name.isString()) {
                field = QStringLiteral("outputs");
                problem = said("a list of output names");
                return refused();
            }
            names.push_back(name.toString().toStdString());
        }
        if (!value.isArray()) {
            field = QStringLiteral("outputs");
            problem = said("a list of output names");
            return refused();
        }
        stores.emplace_back([this, names] { model_.setOutputs(names); });
        done.changed.emplace_back("Outputs");
    }
    if (changed("schoolClockSeconds")) {
        const QJsonValue value = next.value(QStringLiteral("schoolClockSeconds"));
        const double seconds = value.toDouble();
        if (!value.isDouble() || std::abs(seconds) > kSchoolClockLimitSeconds) {
            field = QStringLiteral("schoolClockSeconds");
            problem = said("seconds from -3600 to 3600");
            return refused();
        }
        stores.emplace_back(
            [this, seconds] { model_.setSchoolClockMs(std::llround(seconds * 1000)); });
        done.changed.emplace_back("School clock");
    }
    GeneralSettings general = model_.general();
    bool on = false;
    if (changed("internetTime")) {
        if (!flag("internetTime", on))
            return refused();
        general.chkTimeSync = on ? 1 : 0;
        done.changed.emplace_back("Internet time");
    }
    if (changed("noComSound")) {
        if (!flag("noComSound", on))
            return refused();
        general.sound_zero = on ? 1 : 0;
        done.changed.emplace_back("No com sound");
    }
    if (changed("autoExecution")) {
        if (!flag("autoExecution", on))
            return refused();
        if (!startEntry_) {
            field = QStringLiteral("autoExecution");
            problem = serviceNote();
            return refused();
        }
        general.auto_exe = on ? 1 : 0;
        done.changed.emplace_back("Auto execution");
    }
    if (general != model_.general())
        stores.emplace_back([this, general] { model_.storeGeneral(general); });
    if (changed("reservedExit")) {
        const QJsonObject exit = next.value(QStringLiteral("reservedExit")).toObject();
        const QJsonObject before = held.value(QStringLiteral("reservedExit")).toObject();
        const QJsonValue onValue = exit.value(QStringLiteral("on"));
        const QString time = exit.value(QStringLiteral("time")).toString();
        static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
        const auto match = form.match(time);
        if (!onValue.isBool()) {
            field = QStringLiteral("reservedExit.on");
            problem = said("not true or false");
            return refused();
        }
        // The computer is switched off only at a time of day confirmed.
        const bool timeChanged = time != before.value(QStringLiteral("time")).toString();
        if ((timeChanged || onValue.toBool()) &&
            (!match.hasMatch() || match.captured(1).toInt() > 23 ||
             match.captured(2).toInt() > 59)) {
            field = QStringLiteral("reservedExit.time");
            problem = said("%1 is not a time").arg(time);
            return refused();
        }
        if (timeChanged)
            stores.emplace_back([this, h = match.captured(1).toInt(),
                                 m = match.captured(2).toInt()] { model_.setExitTime(h, m); });
        stores.emplace_back([this, set = onValue.toBool()] { model_.setAutoExit(set); });
        done.changed.emplace_back("Reservation Exit");
    }
    for (const auto& [name, part] : parts_)
        if (next.contains(name) && next.value(name) != held.value(name)) {
            if (const std::string why = part.check(next.value(name)); !why.empty()) {
                field = name;
                problem = QString::fromStdString(why);
                return refused();
            }
            stores.emplace_back([&part = part, value = next.value(name)] { part.write(value); });
            done.changed.push_back(name.toStdString());
        }
    for (const auto& store : stores) store();
    if (!stores.empty())
        model_.storedElsewhere();
    done.body = read();
    return done;
}

}  // namespace tollix::web
