#pragma once

#include <QObject>

#include <filesystem>
#include <functional>

class QWidget;

namespace tollix {

class AppPaths;
class BellEngine;
class FrmBellCount;
class FrmCountDown;
class FrmSyncError;
class HelpWindow;
class CalendarSubscriptions;
class HolidaysWindow;
class Messages;
class RingLogWindow;
class ScheduleModel;
struct MainForm;

// The windows that the main window's bar of menu labels and its state area
// open: the countdowns, the help and information windows, the holidays and
// the ring record. Each is made on first use and kept.
class MenuWindows final : public QObject {
    Q_OBJECT

  public:
    MenuWindows(QWidget& window, MainForm& form, BellEngine& engine, ScheduleModel& model,
                Messages& messages, const AppPaths& paths, std::filesystem::path ringLog);

    void mnPlayMusic_Click();
    void mnBellCount_Click();
    void mnCountDown_Click();
    void helpword_Click();
    void info_Click();
    void mnHolidays_Click();
    void clearMenuHighlights();
    // "Web page" opens it; set where the web server is created.
    std::function<void()> showWebPage;

    FrmCountDown* countDownWindow();
    FrmBellCount* bellCountWindow();
    HelpWindow* help1Window();
    HelpWindow* playMusicWindow();
    HelpWindow* info1Window();
    HolidaysWindow* holidaysWindow();
    // The subscribed calendars the holidays window shows; set before it opens.
    void setSubscriptions(CalendarSubscriptions* calendars);
    void showRingLog();
    // Internet time failed too often; null until it did.
    void showSyncError();
    FrmSyncError* syncErrorWindow() const { return syncError_; }

  signals:
    // The countdown reached zero: the selected bell rings now.
    void countdownBell();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showSideTexts();
    // The calendar changed: today may have become another kind of day.
    void holidaysChanged();

    QWidget& window_;
    MainForm& form_;
    BellEngine& engine_;
    ScheduleModel& model_;
    Messages& messages_;
    const AppPaths& paths_;
    std::filesystem::path ringLog_;
    FrmCountDown* countDown_ = nullptr;
    FrmBellCount* bellCount_ = nullptr;
    HelpWindow* help1_ = nullptr;
    HelpWindow* playMusic_ = nullptr;
    HelpWindow* info1_ = nullptr;
    HolidaysWindow* holidays_ = nullptr;
    CalendarSubscriptions* calendars_ = nullptr;
    RingLogWindow* ringLogWindow_ = nullptr;
    FrmSyncError* syncError_ = nullptr;
};

}  // namespace tollix
