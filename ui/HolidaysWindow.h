#pragma once

#include "model/HolidaysFileWatch.h"
#include "platform/Messages.h"
#include "schedule/Holidays.h"

#include <QDialog>
#include <QFileSystemWatcher>
#include <QTimer>

#include <filesystem>
#include <functional>

class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tollix {

class CalendarSubscriptions;
class ScheduleModel;

// "Holidays": the days without bells, the make-up days and the special days
// that ring a template, on a calendar and
// as the rules of data/holidays.ini. Every change is made to the file as it is
// on disk at that moment, and saved at once.
class HolidaysWindow final : public QDialog {
    Q_OBJECT

  public:
    // `model`: whether a template a special day would ring holds bells.
    HolidaysWindow(std::filesystem::path file, Messages& messages, const ScheduleModel& model,
                   QWidget* parent = nullptr);

    // The subscribed calendars: their days beside the file's, each in a colour
    // of its own, and a waiting copy's preview with the operator's Yes.
    void setSubscriptions(CalendarSubscriptions* calendars);
    // Reads the file afresh and shows it.
    void showCalendar();
    void reload();
    const HolidayCalendar& holidays() const { return holidays_; }

    void addRule_Click();
    void deleteRule_Click();
    void importCalendar_Click();
    // Shows what the whole-day events of an iCalendar file would add to the
    // days without bells and, if the operator agrees, adds them.
    // Events that end before `today` (days since 1970-01-01) are past.
    void importFile(const std::filesystem::path& file, std::int64_t today);

    QCalendarWidget* calendar;
    QListWidget* rules;
    QLabel* problems;
    QDateEdit* fromDate;
    QDateEdit* toDate;
    QLineEdit* ruleName;
    QRadioButton* noBells;
    QRadioButton* makeUp;
    QComboBox* makeUpDay;  // Monday .. Sunday
    QRadioButton* special;
    QComboBox* specialTemplet;  // Templet 1 .. 6
    QPushButton* addRule;
    QPushButton* deleteRule;
    QPushButton* importCalendar;
    QVBoxLayout* subscriptionsBox;

  signals:
    // The calendar on disk changed.
    void changed();

  private:
    void change(const std::function<std::string(HolidayCalendar&)>& edit);
    void showRules();
    void paintMonth();
    void showSubscriptions();
    QColor colourOfCalendar(const std::string& name) const;

    std::filesystem::path file_;
    Messages& messages_;
    const ScheduleModel& model_;
    HolidayCalendar holidays_;
    std::string unreadable_;
    CalendarSubscriptions* calendars_ = nullptr;
};

}  // namespace tollix
