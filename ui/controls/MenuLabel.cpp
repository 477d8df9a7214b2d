#include "ui/controls/MenuLabel.h"

#include <QEvent>
#include <QKeyEvent>

namespace tollix {

MenuLabel::MenuLabel(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, &MenuLabel::Click);
    setHighlighted(false);
}

void MenuLabel::clearHighlight() {
    setHighlighted(false);
}

// Enter opens it as Space does, also outside a dialog.
void MenuLabel::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void MenuLabel::enterEvent(QEnterEvent* event) {
    if (isEnabled())
        setHighlighted(true);
    QPushButton::enterEvent(event);
}

// Only the label under the mouse is highlighted.
void MenuLabel::leaveEvent(QEvent* event) {
    setHighlighted(false);
    QPushButton::leaveEvent(event);
}

void MenuLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setHighlighted(false);
    QPushButton::changeEvent(event);
}

// The look of a label; the keyboard's focus is a dotted frame.
void MenuLabel::setHighlighted(bool on) {
    highlighted_ = on;
    setStyleSheet(QStringLiteral("QPushButton { border: 1px solid transparent; border-radius: 3px;"
                                 " padding: 3px 9px; text-align: left; %1 }"
                                 " QPushButton:focus { border: 1px dotted #1d4670; }")
                      .arg(on ? QStringLiteral("color: #0b2e4f; background: #cfe3f7;")
                              : QStringLiteral("background: transparent;")));
}

}  // namespace tollix
