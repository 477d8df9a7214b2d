#include "ui/controls/Choices.h"

namespace tollix {

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit Click();
    });
}

void OptionButton::select() {
    if (isChecked())
        emit Click();
    else
        setChecked(true);
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    connect(this, &QCheckBox::toggled, this, [this] { emit Click(); });
}

}  // namespace tollix
