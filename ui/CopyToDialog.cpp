#include "ui/CopyToDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLocale>
#include <QVBoxLayout>

namespace tollix {

namespace {
constexpr std::array<int, 7> kShownOrder = {2, 3, 4, 5, 6, 7, 1};
}

CopyToDialog::CopyToDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CopyToDialog"));
    setWindowTitle(tr("Copy to..."));
    auto* column = new QVBoxLayout(this);
    for (std::size_t i = 0; i < days.size(); ++i) {
        const int day = kShownOrder[i];
        days[i] =
            new QCheckBox(QLocale::system().dayName(day == 1 ? 7 : day - 1, QLocale::LongFormat));
        column->addWidget(days[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

std::vector<int> CopyToDialog::chosen() const {
    std::vector<int> weekdays;
    for (std::size_t i = 0; i < days.size(); ++i)
        if (days[i]->isChecked())
            weekdays.push_back(kShownOrder[i]);
    return weekdays;
}

}  // namespace tollix
