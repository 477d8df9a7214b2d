#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QSystemTrayIcon;
class QWidget;

namespace tollix {

struct MainForm;

// What the system's frame would do for the main window, which has none: it
// hides into the tray instead of the task bar, fits the screen it opens on,
// keeps its size grip in the corner and is moved by its own title.
class FramelessWindow final : public QObject {
    Q_OBJECT

  public:
    FramelessWindow(QWidget& window, MainForm& form);

    // Where the desktop has no tray the window is minimised instead: it must
    // never become unreachable. The in-tray state is the same either way.
    void TrayIn();
    void TrayOut();
    void ImageMin_Click();
    bool inTray() const { return inTray_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }

    // Sized to the screen it opens on, down to 1024x600, and wholly on it.
    void placeOnScreen(QSize wished);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateTrayTip();
    bool dragWindow(QEvent* event);

    QWidget& window_;
    MainForm& form_;
    QSystemTrayIcon* tray_;
    bool inTray_ = false;
    // Moving the window by hand where the system cannot move it.
    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace tollix
