#include "web/HolidaysApi.h"

#include "schedule/HolidayImport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace tollix::web {

namespace {

QString said(const char* text) {
    return QCoreApplication::translate("WebPage", text);
}

HolidaysApi::Reply refused(int status, const QString& why) {
    return {status, {{QStringLiteral("error"), why}}, {}};
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QJsonObject HolidaysApi::read() const {
    const HolidayCalendar& calendar = model_.calendar();
    QJsonArray rules;
    for (const HolidayRule& rule : calendar.rules()) {
        QJsonObject o{{QStringLiteral("line"), text(rule.line())},
                      {QStringLiteral("from"), text(dateText(rule.first))},
                      {QStringLiteral("to"), text(dateText(rule.last))},
                      {QStringLiteral("name"), text(rule.name)}};
        if (rule.makeUp())  // Monday = 1, as the page counts
            o.insert(QStringLiteral("makeUp"), rule.weekday == 1 ? 7 : rule.weekday - 1);
        if (rule.special())
            o.insert(QStringLiteral("templet"), rule.templet);
        rules.append(o);
    }
    QJsonArray problems;
    for (const auto& problem : calendar.problems())
        problems.append(QStringLiteral("%1: %2").arg(problem.line).arg(text(problem.why)));
    return {{QStringLiteral("rules"), rules}, {QStringLiteral("problems"), problems}};
}

HolidaysApi::Reply HolidaysApi::change(const std::function<std::string(HolidayCalendar&)>& edit,
                                       std::string record) {
    if (const std::string error = changeHolidayFile(file_, edit); !error.empty())
        return refused(409, said("The holidays cannot be saved: %1").arg(text(error)));
    model_.setCalendar(HolidayCalendar::read(file_));
    return {200, read(), std::move(record)};
}

HolidaysApi::Reply HolidaysApi::add(const QByteArray& body) {
    const QJsonObject o = QJsonDocument::fromJson(body).object();
    HolidayRule rule;
    const auto from = parseDate(o.value(QStringLiteral("from")).toString().toStdString());
    if (!from)
        return refused(400, said("from: not a date (YYYY-MM-DD)"));
    const QJsonValue to = o.value(QStringLiteral("to"));
    const auto last =
        to.isUndefined() || to.toString().isEmpty() ? from : parseDate(to.toString().toStdString());
    if (!last)
        return refused(400, said("to: not a date (YYYY-MM-DD)"));
    rule.first = *from;
    rule.last = std::max(*from, *last);  // as the window's range
    rule.name = safeName(o.value(QStringLiteral("name")).toString().toStdString());
    const QJsonValue makeUp = o.value(QStringLiteral("makeUp"));
    const QJsonValue templet = o.value(QStringLiteral("templet"));
    if (!makeUp.isUndefined()) {
        const int day = makeUp.toInt();
        if (day < 1 || day > 7)
            return refused(400, said("makeUp: a weekday from 1 (Monday) to 7"));
        rule.weekday = day % 7 + 1;
    } else if (!templet.isUndefined()) {
        rule.templet = templet.toInt();
        if (rule.templet < 1 || rule.templet > ScheduleModel::kTemplates)
            return refused(400, said("templet: 1 to 6"));
        // A special day that would ring nothing is refused, as in the window.
        if (!model_.templetHoldsBells(rule.templet))
            return refused(409, said("Templet %1 holds no bells: a special day with it would "
                                     "ring nothing. Put its bells in first.")
                                    .arg(rule.templet));
    }
    return change(
        [&rule](HolidayCalendar& holidays) {
            holidays.add(rule);
            return std::string();
        },
        "Holiday added: " + rule.line());
}

HolidaysApi::Reply HolidaysApi::remove(const QByteArray& body) {
    const std::string line = QJsonDocument::fromJson(body)
                                 .object()
                                 .value(QStringLiteral("line"))
                                 .toString()
                                 .toStdString();
    bool found = false;
    Reply reply = change(
        [&](HolidayCalendar& holidays) {
            const auto& now = holidays.rules();
            const auto it = std::find_if(now.begin(), now.end(), [&](const HolidayRule& rule) {
                return rule.line() == line;
            });
            found = it != now.end();
            if (found)
                holidays.remove(static_cast<std::size_t>(it - now.begin()));
            return std::string();
        },
        "Holiday removed: " + line);
    if (reply.status == 200 && !found)
        return refused(404, said("No such rule: %1").arg(text(line)));
    return reply;
}

HolidaysApi::Reply HolidaysApi::import(const QByteArray& calendar, bool confirm, bool termDates,
                                       std::int64_t today) {
    const HolidayImport found = importICalendarText(calendar.toStdString(), today);
    if (!found.error.empty())
        return refused(400, said("The file was not imported: %1").arg(text(found.error)));
    const HolidayFile file = readHolidayFile(file_);
    if (!file.unreadable.empty())
        return refused(409, text(file.unreadable));
    const HolidayPlan plan = planImport(file.calendar, found.rules);
    QJsonObject preview{{QStringLiteral("preview"), text(previewText(found, plan, 25))},
                        {QStringLiteral("adds"), static_cast<int>(plan.added.size())},
                        {QStringLiteral("termDates"), plan.looksLikeSchoolDays()}};
    if (!confirm)
        return {200, preview, {}};
    // A calendar of school days is imported only when that is said twice.
    if (plan.looksLikeSchoolDays() && !termDates) {
        preview.insert(QStringLiteral("error"), text(schoolDaysWarning(plan)));
        return {409, preview, {}};
    }
    std::size_t added = 0;
    Reply reply = change(
        [&](HolidayCalendar& holidays) {
            const HolidayPlan now = planImport(holidays, found.rules);
            applyPlan(holidays, now);
            added = now.added.size();
            return std::string();
        },
        {});
    if (reply.status == 200) {
        reply.record = "Holidays imported: " + std::to_string(added);
        reply.body.insert(QStringLiteral("added"), static_cast<int>(added));
    }
    return reply;
}

}  // namespace tollix::web
