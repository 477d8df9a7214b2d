// The main window with the system: the tray, starting at log-on, the
// reserved exit, and moving a window that has no title bar of the system's.
#include "timesync/TimeSync.h"
#include "ui/FrmSyncError.h"
#include "ui/SchoolClockWindow.h"
#include "ui/ScreenFit.h"
#include "ui/isAutoExitForm.h"
#include "ui/isAutoModeForm.h"
#include "ui/main.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

namespace tollix {

// ---- The tray -------------------------------------------------------------------

// Where the desktop has no tray the window is minimised instead: it must
// never become unreachable. The in-tray state is the same either way.
void main::TrayIn() {
    mOpen->setVisible(true);
    inTray_ = true;
    updateTrayTip();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_->show();
        hide();
    } else {
        showMinimized();
    }
}

void main::TrayOut() {
    inTray_ = false;
    tray_->hide();
    placeOnScreen(size());  // the screen may have changed while it was away
    showNormal();
    raise();
    activateWindow();
    mOpen->setVisible(false);
}

void main::ImageMin_Click() {
    ImageMin->clearHover();
    TrayIn();
}

// The tip says what the schedule does now, also while the window is in the tray.
void main::updateTrayTip() {
    tray_->setToolTip(start->isEnabled() ? tr("TOLLIX-Stop") : tr("TOLLIX-Excuting..."));
}

// Minimising always goes to the tray.
void main::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !inTray_)
        TrayIn();
    QWidget::changeEvent(event);
}

// ---- Auto execution ---------------------------------------------------------------

void main::auto_exe_Click() {
    const bool set = auto_exe->value() == 1;
    if (set && loadPhase == 2)
        isAutoModeForm_->exec();
    model.setAutoExecution(set);
    const std::string error =
        set ? services_.autoStart.write(services_.executable) : services_.autoStart.remove();
    if (error.empty())
        return;
    services_.messages.information(tr("Warning"),
                                   (set ? tr("TOLLIX cannot be set to start at log-on: %1")
                                        : tr("The start entry at log-on could not be removed: %1"))
                                       .arg(QString::fromStdString(error)));
    // A set box that starts nothing would be a promise not kept.
    if (set)
        auto_exe->setValue(0);
}

// ---- The reserved exit ------------------------------------------------------------

void main::chkAutoExit_Click() {
    // A time that is no time of day stays in the file as it is until the
    // operator confirms a new one; start-up never rewrites it.
    const ExitSettings& exit = model.exitSettings();
    if (loadPhase == 2 || exit.timeValid())
        WriteExitIni();
    if (chkAutoExit->value() == 1 && loadPhase == 2) {
        isAutoExitForm_->Form_Load(exit.hourLine ? QString::fromStdString(*exit.hourLine).trimmed()
                                                 : QString::number(exit.reservedExitHour),
                                   exit.minuteLine
                                       ? QString::fromStdString(*exit.minuteLine).trimmed()
                                       : QString::number(exit.reservedExitMinute));
        isAutoExitForm_->exec();
    }
}

void main::WriteExitIni() {
    model.setAutoExit(chkAutoExit->value() == 1);
}

void main::connectSystem() {
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setObjectName(QStringLiteral("tray"));
    tray_->setContextMenu(help);
    // A single click too: trays of the StatusNotifier kind report no double click.
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    TrayOut();
            });
    connect(CmdTray, &QAbstractButton::clicked, this, &main::CmdTray_Click);
    connect(ImageMin, &QAbstractButton::clicked, this, &main::ImageMin_Click);
    connect(auto_exe, &CheckBox::Click, this, &main::auto_exe_Click);
    connect(chkAutoExit, &CheckBox::Click, this, &main::chkAutoExit_Click);
    connect(isAutoExitForm_.get(), &isAutoExitForm::confirmed, &model, &ScheduleModel::setExitTime);
    connect(&engine, &BellEngine::powerOffRefused, this, [this](const QString& why) {
        services_.messages.information(
            tr("Warning"),
            tr("The computer could not be switched off at the reserved time.\n%1").arg(why));
    });
}

// ---- Internet time ----------------------------------------------------------------

void main::connectTimeSync() {
    connect(chkTimeSync, &CheckBox::Click, this, &main::chkTimeSync_Click);
    connect(schoolClock, &QPushButton::clicked, this, [this] {
        schoolClockWindow()->show();
        schoolClockWindow()->raise();
    });
    connect(&model, &ScheduleModel::schoolClockChanged, this,
            [this] { showTimeStatus(timeStatus_); });
    timesync::TimeSync* sync = &services_.timeSync;
    connect(sync, &timesync::TimeSync::correctionChanged, this, &main::timeCorrected);
    connect(sync, &timesync::TimeSync::clockSet, this, &main::timeCorrected);
    connect(sync, &timesync::TimeSync::statusChanged, this, &main::showTimeStatus);
    connect(sync, &timesync::TimeSync::adjusted, &engine, &BellEngine::recordAdjusted);
    connect(sync, &timesync::TimeSync::failedTooOften, this, [this] {
        if (!syncError_)
            syncError_ = new FrmSyncError(this);
        syncError_->show();
    });
}

// Saved with the other settings the next time they are saved, as before.
void main::chkTimeSync_Click() {
    model.setTimeSync(chkTimeSync->value() == 1);
    if (chkTimeSync->value() == 1) {
        if (loadPhase == 2)
            services_.messages.information(
                QStringLiteral("TOLLIX"),
                tr("It uses the Internet time server, at real-time it synchronizes "
                   "a computer time in standard time."));
    } else {
        services_.timeSync.stop();  // the bells go back to the computer's clock
        showTimeStatus(QString());
    }
}

// Server time moved the clock the bells go by: a step for the tick, which
// never rings a minute twice; then the next bell is worked out anew.
void main::timeCorrected() {
    engine.clockStepped();
    if (engine.running())
        ShowNextBell();
}

void main::showTimeStatus(const QString& status) {
    timeStatus_ = status;
    QString tip = status.isEmpty() ? tr("At real-time it synchronizes a computer time in "
                                        "standard time.")
                                   : status;
    const QString ahead = SchoolClockWindow::aheadText(model.schoolClockMs());
    if (!ahead.isEmpty())
        tip += QLatin1Char('\n') + ahead;
    chkTimeSync->setToolTip(tip);
    schoolClock->setToolTip(ahead);
}

SchoolClockWindow* main::schoolClockWindow() {
    if (!schoolClock_)
        schoolClock_ = new SchoolClockWindow(
            model, engine,
            [this](bool on) {
                engine.ringEachMinute(on ? selectedSound() : std::nullopt, soundList());
            },
            this);
    return schoolClock_;
}

// ---- Moving the window ------------------------------------------------------------

// Sized to the screen it opens on, down to 1024x600, and wholly on it.
void main::placeOnScreen(QSize wished) {
    const QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    layout()->activate();
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
    setFont(print);
    // The style sheet keeps a font from passing down by itself.
    for (QWidget* control : findChildren<QWidget*>()) control->setFont(print);
    wished = wished.expandedTo((QSizeF(1180, 700) * zoom).toSize());
    const QRect placed = fitOnScreen(area, wished, minimumSize());
    resize(placed.size());
    move(placed.topLeft());
}

void main::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    sizeGrip->adjustSize();
    sizeGrip->move(width() - sizeGrip->width(), height() - sizeGrip->height());
    sizeGrip->raise();
}

// The title and its picture move the window: the system moves it where it
// can (X11 and Wayland alike), otherwise the window follows the mouse.
bool main::dragWindow(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            QWindow* handle = windowHandle();
            if (handle && handle->startSystemMove())
                return true;
            dragging_ = true;
            dragOffset_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pos();
            return true;
        }
        case QEvent::MouseMove:
            if (dragging_)
                move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
            return dragging_;
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            return false;
        default:
            return false;
    }
}

}  // namespace tollix
