#include "web/AlarmsPart.h"

#include "engine/AlarmSignal.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

namespace tollix::web {

namespace {

QJsonValue signalsOf(const AlarmSignal& alarm) {
    QJsonArray list;
    for (const AlarmSound& s : alarm.settings().sounds)
        list.append(QJsonObject{{QStringLiteral("name"), QString::fromStdString(s.name)},
                                {QStringLiteral("sound"), QString::fromStdString(s.sound)},
                                {QStringLiteral("repeat"), s.repeatSeconds}});
    return list;
}

// The signals given that differ from those kept, or why they cannot be read.
std::string changedSignals(const AlarmSignal& alarm, const QJsonValue& value,
                           std::vector<AlarmSound>& changed) {
    const QJsonValue given = value.toObject().value(QStringLiteral("signals"));
    if (!value.isObject() || !given.isArray())
        return "signals: not a list";
    for (const QJsonValue one : given.toArray()) {
        const QJsonObject signal = one.toObject();
        const QJsonValue repeat = signal.value(QStringLiteral("repeat"));
        if (!signal.value(QStringLiteral("name")).isString() ||
            !signal.value(QStringLiteral("sound")).isString() || !repeat.isDouble() ||
            repeat.toDouble() != repeat.toInt())
            return "signals: each one a name, a sound and a whole repeat";
        AlarmSound sound{signal.value(QStringLiteral("name")).toString().toStdString(),
                         signal.value(QStringLiteral("sound")).toString().trimmed().toStdString(),
                         repeat.toInt()};
        if (std::string why = alarm.check(sound); !why.empty())
            return why;
        if (sound != alarm.settings().of(sound.name))
            changed.push_back(std::move(sound));
    }
    return {};
}

}  // namespace

SettingsApi::Part alarmsPart(AlarmSignal& alarm) {
    return {[&alarm] {
                QJsonArray choices;
                for (const std::string& name : alarm.soundChoices())
                    choices.append(QString::fromStdString(name));
                return QJsonValue(QJsonObject{{QStringLiteral("signals"), signalsOf(alarm)},
                                              {QStringLiteral("choices"), choices}});
            },
            [&alarm](const QJsonValue& value) {
                std::vector<AlarmSound> changed;
                return changedSignals(alarm, value, changed);
            },
            [&alarm](const QJsonValue& value) {
                std::vector<AlarmSound> changed;
                (void)changedSignals(alarm, value, changed);
                for (const AlarmSound& signal : changed) (void)alarm.set(signal);
            }};
}

SoundsApi::NamedBy soundOfAlarms(const AlarmSignal& alarm) {
    return [&alarm](const std::string& sound) {
        for (const AlarmSound& signal : alarm.settings().sounds)
            if (signal.sound == sound)
                return QCoreApplication::translate("WebPage", "Alarm: %1")
                    .arg(QString::fromStdString(signal.name))
                    .toStdString();
        return std::string();
    };
}

}  // namespace tollix::web
