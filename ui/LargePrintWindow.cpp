#include "ui/LargePrintWindow.h"

#include <QScreen>

namespace tollix {

namespace {

// The layout is written in twips; 1440 to the inch.
int pixels(const QWidget* window, int twips) {
    return twips * window->logicalDpiX() / 1440;
}

QFont largeFont(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

QLabel* largeLabel(const char* name, const char* sample) {
    auto* label = new QLabel(QString::fromLatin1(sample));
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

LargePrintWindow::FontSizes LargePrintWindow::fontSizes(int screenWidth) {
    if (screenWidth >= 1280)
        return {230, 160};
    if (screenWidth >= 1024)
        return {190, 135};
    return {150, 105};
}

LargePrintWindow::LargePrintWindow(const QString& name, const QString& title, QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);
    setStyleSheet(QStringLiteral(
        "#FrmBellCount, #FrmFullScreen { background: #0f2338; }"
        "#lblTimeShow { color: #ffffff; } #lblNowTimeShow { color: #f6c33c; }"
        "QPushButton { font-size: 18px; padding: 8px 22px; color: #0f2338; background: #dfe9f3;"
        " border-radius: 6px; } QPushButton:hover { background: #ffffff; }"));
    lblTimeShow = largeLabel("lblTimeShow", "66:00:66");
    lblNowTimeShow = largeLabel("lblNowTimeShow", "66:00:66AM");
    lblTimeShow->setParent(this);
    lblNowTimeShow->setParent(this);
}

void LargePrintWindow::addButton(QPushButton* button, int offset) {
    button->setParent(this);
    button->setCursor(Qt::PointingHandCursor);
    buttons_.emplace_back(button, offset);
}

int LargePrintWindow::showLarge() {
    setWindowState(windowState() | Qt::WindowFullScreen);
    return exec();
}

void LargePrintWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

// The written sizes, made smaller step by step until everything fits the
// screen the window is on: nothing may be cut off in front of a class.
void LargePrintWindow::layOut() {
    const QScreen* on = screen();
    const FontSizes written = fontSizes(on ? on->geometry().width() : width());
    for (double scale = 1.0; scale > 0.1; scale -= 0.05) {
        shown_ = {static_cast<int>(written.time * scale), static_cast<int>(written.clock * scale)};
        if (placed(scale))
            return;
    }
}

// The clock above the count and the buttons under it, as one block in the
// middle of the screen. The count sits 900 twips below the middle and the
// buttons 700 twips under it, as written; the clock goes right above the
// count, since at these sizes the written 2000 twips would put them on top
// of each other.
bool LargePrintWindow::placed(double scale) {
    lblTimeShow->setFont(largeFont(shown_.time));
    lblNowTimeShow->setFont(largeFont(shown_.clock));
    lblTimeShow->adjustSize();
    lblNowTimeShow->adjustSize();
    const int w = width();
    const int h = height();
    const QSize time = lblTimeShow->size();
    const QSize clock = lblNowTimeShow->size();
    int buttonsHeight = 0;
    for (const auto& [button, offset] : buttons_) {
        button->adjustSize();
        buttonsHeight = std::max(buttonsHeight, button->height());
    }
    const int below = static_cast<int>(pixels(this, 700) * scale);
    int timeTop = (h - time.height()) / 2 + static_cast<int>(pixels(this, 900) * scale);
    // Never lower than leaves room for the buttons, never so high the clock is cut.
    timeTop = std::min(timeTop, h - buttonsHeight - below - time.height());
    timeTop = std::max(timeTop, clock.height());
    lblTimeShow->move((w - time.width()) / 2, timeTop);
    lblNowTimeShow->move((w - clock.width()) / 2, timeTop - clock.height());
    const int buttonsTop = timeTop + time.height() + below;
    // Left of the middle, right of it, or on it: the written offsets assume
    // narrower buttons, so the near edges keep a gap instead.
    const int gap = pixels(this, 180);
    for (const auto& [button, offset] : buttons_) {
        const int x = offset < 0   ? w / 2 - gap - button->width()
                      : offset > 0 ? w / 2 + gap
                                   : (w - button->width()) / 2;
        button->move(x, buttonsTop);
    }
    return time.width() <= w && clock.width() <= w && buttonsTop + buttonsHeight <= h;
}

FrmBellCount::FrmBellCount(QWidget* parent)
    : LargePrintWindow(QStringLiteral("FrmBellCount"), tr("Countdown next bell"), parent) {
    cmdClose = new QPushButton(tr("Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    addButton(cmdClose, 0);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::hide);
}

FrmFullScreen::FrmFullScreen(QWidget* parent)
    : LargePrintWindow(QStringLiteral("FrmFullScreen"), tr("Countdown"), parent) {
    cmdSmallWin = new QPushButton(tr("Small window"));
    cmdSmallWin->setObjectName(QStringLiteral("cmdSmallWin"));
    cmdPause = new QPushButton(tr("Pause"));
    cmdPause->setObjectName(QStringLiteral("cmdPause"));
    cmdRePlay = new QPushButton(tr("Replay"));
    cmdRePlay->setObjectName(QStringLiteral("cmdRePlay"));
    cmdRePlay->setVisible(false);
    addButton(cmdSmallWin, -750);
    addButton(cmdPause, 750);
    addButton(cmdRePlay, 750);
    connect(cmdSmallWin, &QPushButton::clicked, this, &QDialog::hide);
}

}  // namespace tollix
