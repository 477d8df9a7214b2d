#include "ui/FramelessWindow.h"

#include "ui/MainForm.h"
#include "ui/ScreenFit.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

namespace tollix {

FramelessWindow::FramelessWindow(QWidget& window, MainForm& form)
    : QObject(&window), window_(window), form_(form) {
    tray_ = new QSystemTrayIcon(window.windowIcon(), this);
    tray_->setObjectName(QStringLiteral("tray"));
    tray_->setContextMenu(form.help);
    updateTrayTip();
    // A single click too: trays of the StatusNotifier kind report no double click.
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    TrayOut();
            });
    connect(form.mOpen, &QAction::triggered, this, &FramelessWindow::TrayOut);
    connect(form.CmdTray, &QAbstractButton::clicked, this, &FramelessWindow::TrayIn);
    connect(form.ImageMin, &QAbstractButton::clicked, this, &FramelessWindow::ImageMin_Click);
    // The start button is locked while the schedule runs: the tip follows it.
    for (QObject* watched : {&window, form.Picture1, static_cast<QWidget*>(form.titleText),
                             static_cast<QWidget*>(form.start)})
        watched->installEventFilter(this);
}

void FramelessWindow::TrayIn() {
    form_.mOpen->setVisible(true);
    inTray_ = true;
    updateTrayTip();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_->show();
        window_.hide();
    } else {
        window_.showMinimized();
    }
}

void FramelessWindow::TrayOut() {
    inTray_ = false;
    tray_->hide();
    placeOnScreen(window_.size());  // the screen may have changed while it was away
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
    form_.mOpen->setVisible(false);
}

void FramelessWindow::ImageMin_Click() {
    form_.ImageMin->clearHover();
    TrayIn();
}

void FramelessWindow::updateTrayTip() {
    tray_->setToolTip(form_.start->isEnabled() ? tr("TOLLIX-Stop") : tr("TOLLIX-Excuting..."));
}

void FramelessWindow::placeOnScreen(QSize wished) {
    const QScreen* screen = QGuiApplication::screenAt(window_.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window_.layout()->activate();
    const QRect area = screen->availableGeometry();
    // A large screen gets larger print and a larger window, not a small island.
    const double zoom = area.width() >= 1800 && area.height() >= 1000 ? 1.3
                        : area.width() >= 1400                        ? 1.15
                                                                      : 1.0;
    static const QFont normal = QApplication::font();
    QFont print = normal;
    print.setPointSizeF(print.pointSizeF() * zoom);
    // Windows opened later (holidays, countdown, help) get the same print.
    QApplication::setFont(print);
    window_.setFont(print);
    // The style sheet keeps a font from passing down by itself.
    for (QWidget* control : window_.findChildren<QWidget*>()) control->setFont(print);
    wished = wished.expandedTo((QSizeF(1180, 700) * zoom).toSize());
    const QRect placed = fitOnScreen(area, wished, window_.minimumSize());
    window_.resize(placed.size());
    window_.move(placed.topLeft());
}

bool FramelessWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.start) {
        if (event->type() == QEvent::EnabledChange)
            updateTrayTip();
    } else if (watched != &window_) {
        return dragWindow(event);
    } else if (event->type() == QEvent::WindowStateChange) {
        // Minimising always goes to the tray.
        if (window_.isMinimized() && !inTray_)
            TrayIn();
    } else if (event->type() == QEvent::Resize) {
        QWidget* grip = form_.sizeGrip;
        grip->adjustSize();
        grip->move(window_.width() - grip->width(), window_.height() - grip->height());
        grip->raise();
    }
    return false;
}

// The title and its picture move the window: the system moves it where it
// can (X11 and Wayland alike), otherwise the window follows the mouse.
bool FramelessWindow::dragWindow(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            QWindow* handle = window_.windowHandle();
            if (handle && handle->startSystemMove())
                return true;
            dragging_ = true;
            dragOffset_ =
                static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - window_.pos();
            return true;
        }
        case QEvent::MouseMove:
            if (dragging_)
                window_.move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() -
                             dragOffset_);
            return dragging_;
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return false;
        default:
            return false;
    }
}

}  // namespace tollix
