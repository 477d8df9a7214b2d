#include "app/HolidayCommand.h"

#include "schedule/HolidayImport.h"

#include <cstdio>

namespace tollix {

int importHolidays(const std::filesystem::path& calendar, const std::filesystem::path& holidaysIni,
                   bool yes, int year) {
    const HolidayImport found = importICalendar(calendar, year);
    if (!found.error.empty()) {
        std::fprintf(stderr, "tollix: %s was not imported: %s\n", calendar.string().c_str(),
                     found.error.c_str());
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
            return std::string("nothing was written (--yes imports it all the same)");
        }
        applyPlan(holidays, plan);
        added = plan.added.size();
        return std::string();
    });
    if (!error.empty()) {
        std::fprintf(stderr, "tollix: %s\n", error.c_str());
        return status;
    }
    std::printf("%zu new ranges written to %s\n", added, holidaysIni.string().c_str());
    return 0;
}

}  // namespace tollix
