#include "schedule/Subscriptions.h"

#include "schedule/HolidayImport.h"
#include "schedule/SafeFile.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>

namespace tollix::calendars {

namespace {

QString said(const char* text) {
    return QCoreApplication::translate("Subscriptions", text);
}

// A name that is a plain file name in data/calendars/.
std::string fileName(const QString& given) {
    QString name;
    for (const QChar c : given.trimmed())
        name += c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') ||
                        c == QLatin1Char(' ') || c == QLatin1Char('.')
                    ? c
                    : QLatin1Char('_');
    while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
    name = name.left(60).trimmed();
    return name.isEmpty() ? std::string("calendar") : name.toStdString();
}

// The name a subscription gets without one: the host and the file.
QString nameFromUrl(const QUrl& url) {
    QString file = url.fileName();
    if (file.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive))
        file.chop(4);
    return file.isEmpty() ? url.host() : url.host() + QLatin1Char(' ') + file;
}

struct Month {
    int year, month;
    auto operator<=>(const Month&) const = default;
};

Month monthOf(std::int64_t day) {
    using namespace std::chrono;
    const year_month_day date{sys_days(days(day))};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month()))};
}

bool mondayToFriday(std::int64_t day) {
    const int weekday = weekdayOf(day);
    return weekday >= 2 && weekday <= 6;
}

int schoolDaysOf(Month month) {
    using namespace std::chrono;
    const sys_days first{std::chrono::year(month.year) /
                         std::chrono::month(static_cast<unsigned>(month.month)) / 1};
    const sys_days next = sys_days{year_month_day{first} + months(1)};
    int count = 0;
    for (auto day = first; day < next; day += days(1))
        count += mondayToFriday(day.time_since_epoch().count());
    return count;
}

// Days as ranges, a weekend between two counting as no gap: "2027-02-01..2027-02-05, 2027-03-02".
std::string ranges(const std::vector<std::int64_t>& days) {
    std::string text;
    for (std::size_t i = 0; i < days.size();) {
        std::size_t j = i;
        while (j + 1 < days.size() && (days[j + 1] == days[j] + 1 ||
                                       (weekdayOf(days[j]) == 6 && days[j + 1] == days[j] + 3)))
            ++j;
        text += (text.empty() ? "" : ", ") + HolidayRule{days[i], days[j], 0, {}}.line();
        i = j + 1;
    }
    return text;
}

}  // namespace

bool localNetworkHost(const std::string& host) {
    const QString name = QString::fromStdString(host).toLower();
    QHostAddress address;
    if (address.setAddress(name)) {
        static const char* const kPrivate[] = {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16"};
        return address.isLoopback() || address.isLinkLocal() || address.isUniqueLocalUnicast() ||
               std::any_of(std::begin(kPrivate), std::end(kPrivate), [&](const char* net) {
                   return address.isInSubnet(QHostAddress::parseSubnet(QLatin1String(net)));
               });
    }
    return !name.isEmpty() &&
           (!name.contains(QLatin1Char('.')) || name.endsWith(QLatin1String(".local")) ||
            name.endsWith(QLatin1String(".lan")) || name.endsWith(QLatin1String(".internal")));
}

std::map<std::string, Login> readNetrc(std::string_view text) {
    const QStringList words =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
            .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    std::map<std::string, Login> logins;
    Login* current = nullptr;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        const bool valued = i + 1 < words.size();
        if (word == QLatin1String("machine") && valued)
            current = &logins[words[++i].toLower().toStdString()];
        else if (word == QLatin1String("default"))
            current = &logins["default"];
        else if (word == QLatin1String("login") && valued && current)
            current->user = words[++i].toStdString();
        else if (word == QLatin1String("password") && valued && current)
            current->password = words[++i].toStdString();
    }
    return logins;
}

Settings readSettings(const std::filesystem::path& ini, const std::filesystem::path& auth) {
    Settings settings;
    const safefile::Reading reading = safefile::read(ini, 1024 * 1024);
    if (reading.missing())
        return settings;
    if (!reading.read()) {
        settings.problems.push_back(ini.filename().string() + ": " + reading.error);
        return settings;
    }
    std::map<std::string, Login> logins;
    struct stat about {};
    if (::stat(auth.c_str(), &about) == 0) {
        const safefile::Reading secrets = safefile::read(auth, 1024 * 1024);
        if ((about.st_mode & 077) != 0)
            settings.problems.push_back(
                QCoreApplication::translate(
                    "Subscriptions", "%1 may be read by others and is not used (chmod 600 it)")
                    .arg(QString::fromStdString(auth.filename().string()))
                    .toStdString());
        else if (secrets.read())
            logins = readNetrc(secrets.bytes);
    }
    std::set<std::string> names;
    int number = 0;
    for (const QString& raw :
         QString::fromUtf8(reading.bytes.data(), static_cast<qsizetype>(reading.bytes.size()))
             .split(QLatin1Char('\n'))) {
        ++number;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1Char(';')))
            continue;
        const auto problem = [&](const QString& why) {
            settings.problems.push_back(
                QCoreApplication::translate("Subscriptions", "calendars.ini line %1: %2")
                    .arg(number)
                    .arg(why)
                    .toStdString());
        };
        const qsizetype blank = line.indexOf(QRegularExpression(QStringLiteral("[\\s=]")));
        const QString first = line.left(blank < 0 ? line.size() : blank);
        QString rest = blank < 0 ? QString() : line.mid(blank).trimmed();
        if (!first.contains(QLatin1String("://"))) {
            if (!rest.startsWith(QLatin1Char('='))) {
                problem(QCoreApplication::translate("Subscriptions",
                                                    "\"%1\" is no address and no setting")
                            .arg(line));
                continue;
            }
            const QString value = rest.mid(1).trimmed();
            if (first.compare(QLatin1String("refresh"), Qt::CaseInsensitive) == 0) {
                bool isNumber = false;
                const int hours = value.toInt(&isNumber);
                if (isNumber && hours >= 1 && hours <= 24 * 7)
                    settings.refreshHours = hours;
                else
                    problem(QCoreApplication::translate("Subscriptions",
                                                        "refresh is a number of hours, 1 .. 168"));
            } else if (first.compare(QLatin1String("ca"), Qt::CaseInsensitive) == 0) {
                const std::filesystem::path ca = value.toStdString();
                settings.ca = ca.is_absolute() ? ca : ini.parent_path() / ca;
            } else {
                problem(QCoreApplication::translate("Subscriptions",
                                                    "\"%1\" is no setting (refresh, ca)")
                            .arg(first));
            }
            continue;
        }
        QUrl url(first, QUrl::StrictMode);
        if (url.scheme().compare(QLatin1String("webcal"), Qt::CaseInsensitive) == 0)
            url.setScheme(QStringLiteral("https"));
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || url.host().isEmpty() ||
            (scheme != QLatin1String("https") && scheme != QLatin1String("http"))) {
            problem(QCoreApplication::translate("Subscriptions",
                                                "\"%1\" is no https:// or webcal:// address")
                        .arg(first));
            continue;
        }
        Subscription subscription;
        subscription.plainHttp = scheme == QLatin1String("http");
        if (subscription.plainHttp && !localNetworkHost(url.host().toStdString())) {
            problem(QCoreApplication::translate(
                        "Subscriptions", "http:// is only for the local network; %1 needs https://")
                        .arg(url.host()));
            continue;
        }
        subscription.user = url.userName().toStdString();
        subscription.password = url.password().toStdString();
        if (subscription.user.empty()) {
            auto login = logins.find(url.host().toLower().toStdString());
            if (login == logins.end())
                login = logins.find("default");
            if (login != logins.end()) {
                subscription.user = login->second.user;
                subscription.password = login->second.password;
            }
        }
        url.setUserInfo({});
        subscription.url = url.toString(QUrl::FullyEncoded).toStdString();
        std::string name =
            fileName(rest.startsWith(QLatin1Char('=')) ? rest.mid(1) : nameFromUrl(url));
        for (int n = 2; names.count(name); ++n)
            name = fileName(rest.mid(1)) + " " + std::to_string(n);
        names.insert(name);
        subscription.name = name;
        settings.subscriptions.push_back(std::move(subscription));
    }
    return settings;
}

CopyDays readCopy(const std::string& text, std::int64_t today) {
    const HolidayImport found = importICalendarText(text, today);
    if (!found.error.empty())
        return {{}, found.error};
    static const QRegularExpression kMark(QStringLiteral("\\s*\\[([^\\]]+)\\]\\s*$"));
    // The window's words for the weekdays and templates are the program's language.
    const auto windowWord = [](const char* word) {
        return QCoreApplication::translate("tollix::HolidaysWindow", word);
    };
    static constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    const auto templetOf = [&](const QString& word) {
        for (int n = 1; n <= 6; ++n)
            if (word.compare(QStringLiteral("Templet %1").arg(n), Qt::CaseInsensitive) == 0 ||
                word.compare(windowWord("Templet %1").arg(n), Qt::CaseInsensitive) == 0)
                return n;
        return 0;
    };
    const auto weekdayOfWord = [&](const QString& word) {
        for (int n = 1; n <= 7; ++n)
            if (word.compare(QLatin1String(kDays[n - 1]), Qt::CaseInsensitive) == 0 ||
                word.compare(windowWord(kDays[n - 1]), Qt::CaseInsensitive) == 0)
                return n;
        return 0;
    };
    CopyDays copy;
    for (std::size_t i = 0; i < found.rules.size(); ++i) {
        HolidayRule rule = found.rules[i];
        QString name = QString::fromStdString(rule.name);
        if (const auto mark = kMark.match(name); mark.hasMatch()) {
            const QString word = mark.captured(1).simplified();
            rule.templet = templetOf(word);
            rule.weekday = rule.templet ? 0 : weekdayOfWord(word);
            if (rule.templet || rule.weekday)
                name.truncate(mark.capturedStart());
        }
        for (const std::string& category : found.categories[i])
            if (!rule.templet && !rule.weekday)
                rule.templet = templetOf(QString::fromStdString(category));
        rule.name = name.trimmed().toStdString();
        copy.rules.push_back(rule);
    }
    return copy;
}

std::string Change::counts() const {
    std::string text =
        "+" + std::to_string(daysOffAdded) + " days off, -" + std::to_string(daysOffRemoved);
    if (otherBells > 0)
        text += ", " + std::to_string(otherBells) + " with other bells";
    return text;
}

Change compare(const std::string& name, const std::vector<HolidayRule>& before,
               const std::vector<HolidayRule>& after, std::int64_t today, bool first) {
    constexpr std::int64_t kLookAhead = 5 * 366;  // a guard, not the calendar itself
    HolidayCalendar old = HolidayCalendar::parse("");
    HolidayCalendar fresh = HolidayCalendar::parse("");
    old.setSubscribed({{name, before}});
    fresh.setSubscribed({{name, after}});
    std::int64_t last = today;
    for (const auto* rules : {&before, &after})
        for (const HolidayRule& rule : *rules) last = std::max(last, rule.last);
    last = std::min(last, today + kLookAhead);

    Change change;
    std::vector<std::int64_t> added, removed, other;
    std::map<Month, std::pair<int, int>> silenced;  // before, after
    for (std::int64_t day = today; day <= last; ++day) {
        const DayChoice was = old.choose(day), is = fresh.choose(day);
        const bool off = is.kind == DayChoice::Kind::NoBells;
        const bool wasOff = was.kind == DayChoice::Kind::NoBells;
        const bool rings =
            [](const DayChoice& c) {
                return c.kind == DayChoice::Kind::MakeUp || c.kind == DayChoice::Kind::Special;
            }(is) ||
            was.kind == DayChoice::Kind::MakeUp || was.kind == DayChoice::Kind::Special;
        if (mondayToFriday(day)) {
            auto& [then, now] = silenced[monthOf(day)];
            then += wasOff;
            now += off;
        }
        if (!mondayToFriday(day) && !rings)
            continue;
        if (was.kind == is.kind && was.weekday == is.weekday && was.templet == is.templet)
            continue;
        change.changedSchoolDays.push_back(day);
        (off ? added : wasOff ? removed : other).push_back(day);
    }
    change.daysOffAdded = static_cast<int>(added.size());
    change.daysOffRemoved = static_cast<int>(removed.size());
    change.otherBells = static_cast<int>(other.size());

    for (const auto& [month, counts] : silenced) {
        const int all = schoolDaysOf(month);
        if (2 * counts.second > all && (first || 2 * counts.first <= all)) {
            char shown[16];
            std::snprintf(shown, sizeof shown, "%04d-%02d", month.year, month.month);
            change.held = QCoreApplication::translate(
                              "Subscriptions", "it would silence %1 of the %2 school days of %3")
                              .arg(counts.second)
                              .arg(all)
                              .arg(QLatin1String(shown))
                              .toStdString();
            break;
        }
    }
    const int changed = static_cast<int>(change.changedSchoolDays.size());
    if (change.held.empty() && !first && changed > kMaxChangedSchoolDays)
        change.held = QCoreApplication::translate(
                          "Subscriptions", "it would change %1 school days at once (more than %2)")
                          .arg(changed)
                          .arg(kMaxChangedSchoolDays)
                          .toStdString();

    QStringList lines;
    const auto list = [&](const char* what, const std::vector<std::int64_t>& days) {
        if (!days.empty())
            lines << said(what).arg(QString::fromStdString(ranges(days)));
    };
    list(QT_TRANSLATE_NOOP("Subscriptions", "Days without bells added: %1"), added);
    list(QT_TRANSLATE_NOOP("Subscriptions", "Days without bells removed: %1"), removed);
    list(QT_TRANSLATE_NOOP("Subscriptions", "Days with other bells: %1"), other);
    change.preview = lines.join(QLatin1Char('\n')).toStdString();
    return change;
}

}  // namespace tollix::calendars
