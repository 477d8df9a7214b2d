#include "ui/controls/SpinButton.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>

namespace tollix {

SpinButton::SpinButton(int minimum, int maximum, int position, TopArrow top, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), minimum_(minimum), maximum_(maximum), top_(top) {
    // A scroll bar's top arrow lowers its value, so a counting spin holds the
    // negated position: the top arrow then raises the position.
    if (top_ == TopArrow::CountsUp)
        setRange(-maximum, -minimum);
    else
        setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(1);
    setValue(fromValue(std::clamp(position, minimum, maximum)));
    setFixedWidth(17);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit Change(); });
}

// A held arrow repeats; not while a message box its change opened is up,
// whose nested loop would take the mouse release and let it run on.
void SpinButton::timerEvent(QTimerEvent* event) {
    if (QApplication::activeModalWidget()) {
        setRepeatAction(QAbstractSlider::SliderNoAction);
        return;
    }
    QScrollBar::timerEvent(event);
}

int SpinButton::position() const {
    return fromValue(value());
}

void SpinButton::setPosition(int position) {
    setValue(fromValue(std::clamp(position, minimum_, maximum_)));
}

void bindWrappingSpin(SpinButton* spin, QLineEdit* field, int top) {
    QObject::connect(spin, &SpinButton::Change, field, [spin, field, top] {
        if (spin->position() == top) {
            spin->setPosition(0);  // runs this again with 0
            return;
        }
        field->setText(QString::number(spin->position()));
    });
}

}  // namespace tollix
