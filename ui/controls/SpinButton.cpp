#include "ui/controls/SpinButton.h"

#include "schedule/Intervals.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOptionComplex>
#include <QWheelEvent>

#include <algorithm>

namespace tollix {

namespace {

// A spin is all arrows: each takes half of it, whatever the desktop's style
// would make of a scroll bar that short.
class HalfArrows final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control != CC_ScrollBar)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QRect all = option->rect;
        const int half = all.height() / 2;
        switch (part) {
            case SC_ScrollBarSubLine:
                return QRect(all.x(), all.y(), all.width(), half);
            case SC_ScrollBarAddLine:
                return QRect(all.x(), all.y() + half, all.width(), all.height() - half);
            default:
                return QRect();
        }
    }
};

QStyle* halfArrows() {
    static QStyle* style = [] {
        auto* made = new HalfArrows(QApplication::style()->name());
        made->setParent(qApp);
        return made;
    }();
    return style;
}

}  // namespace

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
    setStyle(halfArrows());
    setFixedSize(18, 40);  // two arrows of 20 px: easy to hit
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

void SpinButton::stepFrom(QWidget* field) {
    field->installEventFilter(this);
}

bool SpinButton::eventFilter(QObject* watched, QEvent* event) {
    int step = 0;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        step = key == Qt::Key_Up ? 1 : key == Qt::Key_Down ? -1 : 0;
    } else if (event->type() == QEvent::Wheel) {
        const int dy = static_cast<QWheelEvent*>(event)->angleDelta().y();
        step = dy > 0 ? 1 : dy < 0 ? -1 : 0;
    }
    if (step == 0 || !isEnabled())
        return QScrollBar::eventFilter(watched, event);
    // Up counts up on a counting spin, and goes back on a selector.
    if (top_ == TopArrow::GoesBack)
        step = -step;
    setPosition(position() + step);
    return true;
}

int SpinButton::position() const {
    return fromValue(value());
}

void SpinButton::setPosition(int position) {
    setValue(fromValue(std::clamp(position, minimum_, maximum_)));
}

void bindWrappingSpin(SpinButton* spin, QLineEdit* field, int top, int wrapTo) {
    spin->stepFrom(field);
    QObject::connect(spin, &SpinButton::Change, field, [spin, field, top, wrapTo] {
        if (top != 0 && spin->position() == top) {
            spin->setPosition(wrapTo);  // runs this again with the wrap value
            return;
        }
        field->setText(QString::number(spin->position()));
    });
    const int highest = top != 0 ? top - 1 : spin->maximumPosition();
    QObject::connect(field, &QLineEdit::textChanged, spin, [spin, highest](const QString& text) {
        const auto value = wholeNumber(text.toStdString());
        if (!value || *value < spin->minimumPosition() || *value > highest)
            return;
        const QSignalBlocker quiet(spin);  // the field already shows it
        spin->setPosition(static_cast<int>(*value));
    });
}

}  // namespace tollix
