#include "ui/controls/MenuLabel.h"

#include <QEvent>
#include <QMouseEvent>

namespace tollix {

MenuLabel::MenuLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setCursor(Qt::PointingHandCursor);
    setContentsMargins(10, 4, 10, 4);
    setHighlighted(false);
}

void MenuLabel::clearHighlight() {
    setHighlighted(false);
}

void MenuLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (isEnabled() && event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}

void MenuLabel::enterEvent(QEnterEvent* event) {
    if (isEnabled())
        setHighlighted(true);
    QLabel::enterEvent(event);
}

// Only the label under the mouse is highlighted.
void MenuLabel::leaveEvent(QEvent* event) {
    setHighlighted(false);
    QLabel::leaveEvent(event);
}

void MenuLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setHighlighted(false);
    QLabel::changeEvent(event);
}

void MenuLabel::setHighlighted(bool on) {
    highlighted_ = on;
    setStyleSheet(on ? QStringLiteral("color: #0b2e4f; background: #cfe3f7; border-radius: 3px;")
                     : QStringLiteral("background: transparent;"));
}

}  // namespace tollix
