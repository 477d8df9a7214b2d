#include "ui/controls/PictureButton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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

void PictureButton::setCaption(const QString& caption) {
    setText(caption);
    setFixedSize(sizeHint());
    update();
}

QFont PictureButton::captionFont() const {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(10, std::min(15, picture(normal_).height() / 2 - 1)));
    return font;
}

QSize PictureButton::sizeHint() const {
    const QSize shown = picture(normal_).size();
    if (text().isEmpty())
        return shown;
    const int needed = QFontMetrics(captionFont()).horizontalAdvance(text()) + 16;
    return {std::max(shown.width(), needed), shown.height()};
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap shown = picture(shownPicture());
    const int end = std::min(12, shown.width() / 2);
    if (width() <= shown.width()) {
        painter.drawPixmap(0, 0, shown);
    } else {
        const int h = shown.height();
        painter.drawPixmap(QRect(0, 0, end, h), shown, QRect(0, 0, end, h));
        painter.drawPixmap(QRect(end, 0, width() - 2 * end, h), shown,
                           QRect(end, 0, shown.width() - 2 * end, h));
        painter.drawPixmap(QRect(width() - end, 0, end, h), shown,
                           QRect(shown.width() - end, 0, end, h));
    }
    if (!text().isEmpty()) {
        painter.setFont(captionFont());
        painter.setPen(isEnabled() ? QColor(Qt::white) : QColor(0xf2, 0xf3, 0xf4));
        painter.drawText(rect().adjusted(4, held_ ? 3 : 2, -4, held_ ? -2 : -3), Qt::AlignCenter,
                         text());
    }
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
