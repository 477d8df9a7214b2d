#include "ui/SchoolClockWindow.h"

#include "engine/BellEngine.h"
#include "model/ScheduleModel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace tollix {

SchoolClockWindow::SchoolClockWindow(ScheduleModel& model, BellEngine& engine,
                                     std::function<void(bool)> ringEachMinute, QWidget* parent)
    : QDialog(parent), model_(model), ringEachMinute_(std::move(ringEachMinute)) {
    setObjectName(QStringLiteral("SchoolClockWindow"));
    setWindowTitle(tr("Align to school clock"));

    ahead = new QDoubleSpinBox;
    ahead->setObjectName(QStringLiteral("ahead"));
    ahead->setAccessibleName(tr("Seconds the school's clocks are ahead"));
    ahead->setRange(-kSchoolClockLimitSeconds, kSchoolClockLimitSeconds);
    ahead->setDecimals(1);
    ahead->setSingleStep(1);
    ahead->setSuffix(QStringLiteral(" s"));
    ahead->setKeyboardTracking(false);  // a typed number counts when it is whole
    ahead->setValue(static_cast<double>(model_.schoolClockMs()) / 1000.0);
    earlier = new QPushButton(tr("-1 s"));
    later = new QPushButton(tr("+1 s"));
    ringMinute = new QCheckBox(tr("Ring now at the next full minute"));
    ringMinute->setToolTip(
        tr("The selected bell rings at every full minute of school time while this "
           "is checked: move the clock until it rings with the school's."));
    schoolTime = new QLabel;
    schoolTime->setObjectName(QStringLiteral("schoolTime"));
    auto* close = new QPushButton(tr("Close"));

    connect(ahead, &QDoubleSpinBox::valueChanged, this,
            [this](double seconds) { model_.setSchoolClockMs(std::llround(seconds * 1000)); });
    connect(earlier, &QPushButton::clicked, this, [this] { ahead->setValue(ahead->value() - 1); });
    connect(later, &QPushButton::clicked, this, [this] { ahead->setValue(ahead->value() + 1); });
    connect(ringMinute, &QCheckBox::toggled, this, [this](bool on) { ringEachMinute_(on); });
    connect(&engine, &BellEngine::ticked, this, &SchoolClockWindow::showSchoolTime);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("The school's clocks are ahead by")));
    row->addWidget(ahead);
    row->addWidget(earlier);
    row->addWidget(later);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(schoolTime, 1);
    bottom->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(
        tr("Seconds the school's wall clocks are ahead of this computer's time (behind: less than "
           "0).\nEvery bell, clock and countdown of TOLLIX goes by school time.")));
    column->addLayout(row);
    column->addWidget(ringMinute);
    column->addLayout(bottom);
}

QString SchoolClockWindow::aheadText(std::int64_t ms) {
    if (ms == 0)
        return {};
    const QString amount = QString::number(std::fabs(static_cast<double>(ms)) / 1000.0, 'g', 10);
    return (ms > 0 ? tr("School clock: %1 s ahead") : tr("School clock: %1 s behind")).arg(amount);
}

void SchoolClockWindow::showSchoolTime(const LocalTime& t) {
    if (isVisible())
        schoolTime->setText(tr("School time %1:%2:%3")
                                .arg(t.hour, 2, 10, QLatin1Char('0'))
                                .arg(t.minute, 2, 10, QLatin1Char('0'))
                                .arg(t.second, 2, 10, QLatin1Char('0')));
}

// A closed window rings no more.
void SchoolClockWindow::hideEvent(QHideEvent* event) {
    ringMinute->setChecked(false);
    QDialog::hideEvent(event);
}

}  // namespace tollix
