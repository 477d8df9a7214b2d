#include "ui/controls/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace tollix {

namespace {

QPixmap picture(const QString& name) {
    return QPixmap(QStringLiteral(":/img/") + name);
}

}  // namespace

PictureButton::PictureButton(const QString& normal, const QString& pressed, const QString& disabled,
                             QWidget* parent)
    : QAbstractButton(parent), normal_(normal), pressed_(pressed), disabled_(disabled) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setFixedSize(picture(normal_).size());
}

void PictureButton::setHoverPicture(const QString& hover) {
    hover_ = hover;
    update();
}

QString PictureButton::shownPicture() const {
    if (!isEnabled() && !disabled_.isEmpty())
        return disabled_;
    if (held_)
        return pressed_;
    if (over_ && !hover_.isEmpty())
        return hover_;
    return normal_;
}

QSize PictureButton::sizeHint() const {
    return picture(normal_).size();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture(shownPicture()));
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRoundedRect(rect().adjusted(2, 2, -3, -3), 5, 5);
    }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    held_ = true;
    update();
    QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    held_ = false;
    update();
    QAbstractButton::mouseReleaseEvent(event);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    over_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    over_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace tollix
