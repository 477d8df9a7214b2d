#pragma once

#include "platform/Clock.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace tollix {

class BellEngine;
class ScheduleModel;

// "Align to school clock": how many seconds the school's wall clocks are
// ahead of this computer's time, set by typing or a second at a time, with a
// bell at every full minute to line it up by ear.
class SchoolClockWindow final : public QDialog {
    Q_OBJECT

  public:
    // `ringEachMinute(true)`: the selected bell rings at every full minute.
    SchoolClockWindow(ScheduleModel& model, BellEngine& engine,
                      std::function<void(bool)> ringEachMinute, QWidget* parent = nullptr);

    // "School clock: 2.5 s ahead", "School clock: 1 s behind", or empty at 0.
    static QString aheadText(std::int64_t ms);

    QDoubleSpinBox* ahead;
    QPushButton* earlier;  // -1 s
    QPushButton* later;    // +1 s
    QCheckBox* ringMinute;
    QLabel* schoolTime;

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void showSchoolTime(const LocalTime& time);

    ScheduleModel& model_;
    std::function<void(bool)> ringEachMinute_;
};

}  // namespace tollix
