#pragma once

#include "countdown/Countdown.h"
#include "platform/Messages.h"
#include "ui/LargePrintWindow.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/SpinButton.h"

#include <QDialog>
#include <QLineEdit>
#include <QTimer>

namespace tollix {

// "Countdown": a countdown for a lesson, a test or a break that rings the
// selected bell at zero, in a small window or full screen.
class FrmCountDown final : public QDialog {
    Q_OBJECT

  public:
    FrmCountDown(Messages& messages, QWidget* parent = nullptr);

    void cmdStartCount_Click();
    void Timer1_Timer();
    void cmdPause_Click();
    void cmdRePlay_Click();
    void cmdCountExit_Click();
    void cmdAllWin_Click();
    // Esc or the window's close button: the countdown is cancelled, no bell.
    void reject() override;

    const countdown::Countdown& count() const { return count_; }
    FrmFullScreen* fullScreen() const { return fullScreen_; }

    QLineEdit* input_h;
    QLineEdit* input_m;
    QLineEdit* input_s;
    SpinButton* VScroll7;
    SpinButton* VScroll8;
    SpinButton* VScroll1;
    QLineEdit* txtShowCount;
    QTimer* Timer1;
    PictureButton* cmdStartCount;
    PictureButton* cmdPause;
    PictureButton* cmdRePlay;
    PictureButton* cmdCountExit;
    PictureButton* cmdAllWin;
    PictureButton* cmdClose;

  signals:
    // Zero: the main window rings its selected bell now.
    void ringNow();

  private:
    void show(const std::string& text);
    void setRunning(bool running);

    Messages& messages_;
    countdown::Countdown count_;
    FrmFullScreen* fullScreen_;
};

}  // namespace tollix
