#pragma once

#include "engine/BellEngine.h"
#include "engine/RingLog.h"
#include "engine/SecondTicker.h"
#include "model/ScheduleModel.h"
#include "platform/AutoStart.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/Messages.h"
#include "platform/Mixer.h"
#include "platform/PowerOff.h"
#include "schedule/AppPaths.h"
#include "schedule/BellEntry.h"
#include "sound/SoundPlayer.h"
#include "sound/sound_control.h"
#include "ui/MainForm.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPushButton;
class QSystemTrayIcon;

namespace tollix {

namespace timesync {
class TimeSync;
}
class FrmBellCount;
class FrmCountDown;
class FrmSyncError;
class HelpWindow;
class HolidaysWindow;
class SchoolClockWindow;
class RingLogWindow;
class isAutoExitForm;
class isAutoModeForm;
class main;
class templet;

// What the main window is given from outside.
struct MainServices {
    AppPaths paths;
    const Clock& clock;
    Messages& messages;
    Mixer& mixer;
    MediaPlayer& player;
    // Ends the process; tests record the call instead.
    std::function<void()> endProgram;
    // The reserved exit's power-off.
    PowerOff& powerOff;
    // The start entry of "Auto execution".
    AutoStart& autoStart;
    // The program's own path, for the start entry.
    const std::string& executable;
    // Internet time.
    timesync::TimeSync& timeSync;
    // The ring record.
    RingLog& ringLog;
};

// The main window: draws the settings model and the engine, and forwards the
// operator's edits to them.
class main final : public QWidget, public MainForm {
    Q_OBJECT

  public:
    explicit main(MainServices services, QWidget* parent = nullptr);
    ~main() override;

    // Start-up and the ways out.
    void Form_Load();
    void mexit_Click();
    void mnExit1_Click();
    // SIGTERM, SIGINT and the end of the desktop session end the program the
    // same way as the exits of the window.
    void EndSession();
    // One of the ways out was taken.
    bool hasEnded() const { return ended_; }
    // "Web page" opens it; set where the web server is created.
    std::function<void()> showWebPage;

    // The tray: the window hides into it and comes back from it.
    void TrayIn();
    void TrayOut();
    void CmdTray_Click() { TrayIn(); }
    void ImageMin_Click();
    bool inTray() const { return inTray_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }

    // Internet time.
    void chkTimeSync_Click();
    FrmSyncError* syncErrorWindow() const { return syncError_; }

    // Starting at log-on and the reserved exit.
    void auto_exe_Click();
    void chkAutoExit_Click();
    isAutoExitForm* autoExitForm() const { return isAutoExitForm_.get(); }

    // The data files.
    void LoadSettings();
    void SaveSettings();
    void WriteExitIni();

    // Mode and day selection.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void LoadCurrent();

    void VScroll9_Change();

    // Editing the manual list; each edit is written to its file at once.
    void TimeAdd_Click();
    void TimeDel_Click();
    void TimeMod_Click();
    void allDel_Click();

    // The pick buttons of the interval sounds and alarms.
    void cmdStartBellSound_Click() { PickSound(txtStartBellSound, IntervalSound::StartBell); }
    void cmdEndBellSound_Click() { PickSound(txtEndBellSound, IntervalSound::EndBell); }
    void CmdPreBell1_Click() { PickSound(TxtPreBellName1, IntervalSound::AfterStart); }
    void CmdPreBell2_Click() { PickSound(TxtPreBellName2, IntervalSound::BeforeEnd); }

    // Templates.
    void applyTemplet_Click();
    void ApplyTemplate(int number);
    templet* templetWindow() const { return templet_.get(); }

    // Starting and stopping the schedule; the bells are the engine's.
    void start_Click();
    void stop1_Click();
    void Timer1_Timer() { engine.Timer1_Timer(); }
    void ShowNextBell() { engine.ShowNextBell(); }
    void btnNowBell_Click();
    void bellStop_Click();
    void bellRepeat_Click();
    void sound_zero_Click();
    // The ring record's window, opened from the state area.
    void showRingLog();

    // The windows of the menu bar, made on first use and kept.
    void mnPlayMusic_Click();
    void mnBellCount_Click();
    void mnCountDown_Click();
    void helpword_Click();
    void info_Click();
    FrmCountDown* countDownWindow();
    FrmBellCount* bellCountWindow();
    HelpWindow* help1Window();
    HelpWindow* playMusicWindow();
    HelpWindow* info1Window();
    // Days off and make-up days.
    void mnHolidays_Click();
    HolidaysWindow* holidaysWindow();
    // The calendar changed: today may have become another kind of day.
    void holidaysChanged();
    // "Align to school clock".
    SchoolClockWindow* schoolClockWindow();
    // The countdown reached zero: the selected bell rings now.
    void countdownBell();

    // The colour beside the state, given as the platform's blue-green-red number.
    void setStateColour(int blueGreenRed);
    QColor stateColour() const;

    const AppPaths& paths() const { return services_.paths; }

    // Start-up marker: 1 while the settings are restored, then 2.
    int loadPhase = 1;
    // Every setting as stored; the engine builds each day from it.
    ScheduleModel model;
    BellEngine engine;

    SecondTicker* Timer1;
    isAutoModeForm* autoModeForm() const { return isAutoModeForm_.get(); }

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool exitWanted();
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectBehaviours();
    void connectSystem();
    void connectWindows();
    void clearMenuHighlights();
    void showSideTexts();
    std::vector<std::string> soundList() const;
    bool dragWindow(QEvent* event);
    void placeOnScreen(QSize wished);
    void bindSpin(SpinButton* spin, QLineEdit* field, int wrapAt, int wrapTo);
    // The shutdown steps shared by every way out; ends the program when `end`.
    void Shutdown(bool end);
    void startupStep(const QString& what, const std::function<void()>& step);
    void startupError(const QString& what, const QString& description);
    void notSaved(const QString& error);
    QString weekdayName(int day) const;
    void lockControls(bool running);
    void PickSound(QLineEdit* target, IntervalSound field);
    void editHere();
    std::optional<std::string> selectedSound() const;
    void refused(const Outcome& outcome);
    void drawList(int selected);
    void showClock(const LocalTime& time);
    void showNextBellTexts();

    // Today's bells and the kind of day, as the engine built them.
    void showDay();

    void updateTrayTip();
    void connectTimeSync();
    void timeCorrected();
    void showTimeStatus(const QString& status);

    MainServices services_;
    std::unique_ptr<isAutoModeForm> isAutoModeForm_;
    std::unique_ptr<templet> templet_;
    std::unique_ptr<isAutoExitForm> isAutoExitForm_;
    RingLogWindow* ringLogWindow_ = nullptr;
    FrmCountDown* countDown_ = nullptr;
    FrmSyncError* syncError_ = nullptr;
    FrmBellCount* bellCount_ = nullptr;
    HelpWindow* help1_ = nullptr;
    HelpWindow* playMusic_ = nullptr;
    HelpWindow* info1_ = nullptr;
    HolidaysWindow* holidays_ = nullptr;
    SchoolClockWindow* schoolClock_ = nullptr;
    QString timeStatus_;
    QSystemTrayIcon* tray_ = nullptr;
    bool inTray_ = false;
    // Moving the window by hand where the system cannot move it.
    bool dragging_ = false;
    QPoint dragOffset_;
    std::int64_t shownDay_ = -1;
    bool ended_ = false;
};

}  // namespace tollix
