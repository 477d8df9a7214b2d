#include "app/HolidayCommand.h"

#include "schedule/HolidayImport.h"

#include <QCoreApplication>

#include <cstdio>

namespace tollix {

namespace {

// A line in the desktop's language, for the terminal.
void say(std::FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

QString local(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

int importHolidays(const std::filesystem::path& calendar, const std::filesystem::path& holidaysIni,
                   bool yes, std::int64_t today) {
    const HolidayImport found = importICalendar(calendar, today);
    if (!found.error.empty()) {
        say(stderr, QCoreApplication::translate("HolidayCommand", "tollix: %1 was not imported: %2")
                        .arg(local(calendar), QString::fromStdString(found.error)));
        return kImportFailed;
    }
    std::error_code ignored;
    std::filesystem::create_directories(holidaysIni.parent_path(), ignored);
    int status = kImportFailed;
    std::size_t added = 0;
    const std::string error = changeHolidayFile(holidaysIni, [&](HolidayCalendar& holidays) {
        const HolidayPlan plan = planImport(holidays, found.rules);
        std::printf("%s", previewText(found, plan).c_str());
        if (plan.looksLikeSchoolDays() && !yes) {
            status = kImportRefused;
            return QCoreApplication::translate(
                       "HolidayCommand", "nothing was written (--yes imports it all the same)")
                .toStdString();
        }
        applyPlan(holidays, plan);
        added = plan.added.size();
        return std::string();
    });
    if (!error.empty()) {
        say(stderr, QStringLiteral("tollix: ") + QString::fromStdString(error));
        return status;
    }
    say(stdout, QCoreApplication::translate("HolidayCommand", "%1 new ranges written to %2")
                    .arg(added)
                    .arg(local(holidaysIni)));
    return 0;
}

}  // namespace tollix
