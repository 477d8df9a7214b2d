#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace tollix {

// A window that shows time to a whole room: the count in large print with
// the clock above it, over the whole screen. FrmBellCount and FrmFullScreen.
class LargePrintWindow : public QDialog {
    Q_OBJECT

  public:
    struct FontSizes {
        int time = 0;   // lblTimeShow, points
        int clock = 0;  // lblNowTimeShow, points
        bool operator==(const FontSizes&) const = default;
    };
    // The written sizes by the screen's width in pixels.
    static FontSizes fontSizes(int screenWidth);

    QLabel* lblTimeShow;
    QLabel* lblNowTimeShow;

    // The sizes in use: the written ones, or smaller where those would not fit.
    FontSizes shownSizes() const { return shown_; }
    // Over the whole screen, modal.
    int showLarge();

  protected:
    LargePrintWindow(const QString& name, const QString& title, QWidget* parent);
    // A button under the count, `offset` twips right of the middle.
    void addButton(QPushButton* button, int offset);
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layOut();
    bool placed(double scale);

    std::vector<std::pair<QPushButton*, int>> buttons_;
    FontSizes shown_;
};

// "Countdown next bell": the time left to the next bell of the day.
class FrmBellCount final : public LargePrintWindow {
    Q_OBJECT

  public:
    explicit FrmBellCount(QWidget* parent = nullptr);
    QPushButton* cmdClose;
};

// The countdown of FrmCountDown, full screen.
class FrmFullScreen final : public LargePrintWindow {
    Q_OBJECT

  public:
    explicit FrmFullScreen(QWidget* parent = nullptr);
    QPushButton* cmdPause;
    QPushButton* cmdRePlay;
    QPushButton* cmdSmallWin;
};

}  // namespace tollix
