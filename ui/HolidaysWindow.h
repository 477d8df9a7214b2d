#pragma once

#include "platform/Messages.h"
#include "schedule/Holidays.h"

#include <QDialog>

#include <filesystem>

class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tollix {

// "Holidays": the days without bells and the make-up days, on a calendar and
// as the rules of data/holidays.ini. Every change is saved at once.
class HolidaysWindow final : public QDialog {
    Q_OBJECT

  public:
    HolidaysWindow(std::filesystem::path file, Messages& messages, QWidget* parent = nullptr);

    // Reads the file afresh and shows it.
    void showCalendar();
    const HolidayCalendar& holidays() const { return holidays_; }

    void addRule_Click();
    void deleteRule_Click();
    void importCalendar_Click();
    // Takes the all-day events of an iCalendar file as days without bells.
    void importFile(const std::filesystem::path& file, int year);

    QCalendarWidget* calendar;
    QListWidget* rules;
    QLabel* problems;
    QDateEdit* fromDate;
    QDateEdit* toDate;
    QLineEdit* ruleName;
    QRadioButton* noBells;
    QRadioButton* makeUp;
    QComboBox* makeUpDay;  // Monday .. Sunday
    QPushButton* addRule;
    QPushButton* deleteRule;
    QPushButton* importCalendar;

  signals:
    // The calendar on disk changed.
    void changed();

  private:
    void save();
    void showRules();
    void paintMonth();

    std::filesystem::path file_;
    Messages& messages_;
    HolidayCalendar holidays_;
};

}  // namespace tollix
