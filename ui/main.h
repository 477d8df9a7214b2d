#pragma once

#include "app/BellService.h"
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
#include "ui/FramelessWindow.h"
#include "ui/MainForm.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSystemTrayIcon;

namespace tollix {

namespace timesync {
class TimeSync;
}
class MenuWindows;
class SchoolClockWindow;
class isAutoExitForm;
class isAutoModeForm;
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

    // What the bell service under the window is given.
    BellServices bellServices() const {
        return {paths,    clock,   messages, mixer, player,     powerOff,
                timeSync, ringLog, nullptr,  {},    &autoStart, executable};
    }
};

// The main window: draws the bell service's settings model and engine, and
// forwards the operator's edits to them. Its frame and the windows of its menu labels are
// parts of their own.
class main final : public QWidget, public MainForm {
    Q_OBJECT

  public:
    main(BellService& service, MainServices services, QWidget* parent = nullptr);
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

    // The tray, where the window hides; other windows and a second copy call these.
    void TrayIn() { frame_->TrayIn(); }
    void TrayOut() { frame_->TrayOut(); }
    bool inTray() const { return frame_->inTray(); }
    QSystemTrayIcon* trayIcon() const { return frame_->trayIcon(); }
    // The windows of the menu bar and the state area.
    MenuWindows& menus() const { return *menus_; }

    // Internet time.
    void chkTimeSync_Click();

    // Starting at log-on and the reserved exit.
    void auto_exe_Click();
    void chkAutoExit_Click();
    isAutoExitForm* autoExitForm() const { return isAutoExitForm_.get(); }
    isAutoModeForm* autoModeForm() const { return isAutoModeForm_.get(); }

    // The data files.
    void LoadSettings();
    void SaveSettings() { model.saveGeneral(); }
    void WriteExitIni() { model.setAutoExit(chkAutoExit->value() == 1); }

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
    void copyTo_Click();
    void ApplyTemplate(int number);
    templet* templetWindow() const { return templet_.get(); }

    // Starting and stopping the schedule; the bells are the engine's.
    void start_Click();
    void stop1_Click();
    void Timer1_Timer() { engine.Timer1_Timer(); }
    void ShowNextBell() { engine.ShowNextBell(); }
    void btnNowBell_Click() { ringSelected(RingCause::ByHand); }
    void bellStop_Click() { engine.bellStop(); }
    void bellRepeat_Click();
    void sound_zero_Click();
    // "Align to school clock".
    SchoolClockWindow* schoolClockWindow();

    const AppPaths& paths() const { return services_.paths; }

    // Start-up marker: 1 while the settings are restored, then 2.
    int loadPhase = 1;
    // The service's: every setting as stored, and the engine that builds each day from it.
    ScheduleModel& model;
    BellEngine& engine;
    SecondTicker* Timer1;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectBehaviours();
    void connectSystem();
    std::vector<std::string> soundList() const;
    // The shutdown steps shared by every way out; ends the program when `end`.
    void Shutdown(bool end);
    bool exitWanted();
    void startupStep(const QString& what, const std::function<void()>& step);
    // The log-on entry as "Auto execution" says; what went wrong, said once.
    std::string writeStartEntry(bool set);
    void retryStartEntry();
    // A box titled "Warning".
    void warn(const QString& text);
    QString weekdayName(int day) const;
    void lockControls(bool running);
    void PickSound(QLineEdit* target, IntervalSound field);
    void editHere();
    std::optional<std::string> selectedSound() const;
    void ringSelected(RingCause cause);
    void refused(const Outcome& outcome);
    void drawList(int selected);
    void showClock(const LocalTime& time);
    void showNextBellTexts();
    // Today's bells and the kind of day, as the engine built them.
    void showDay();
    void timeCorrected();
    void showTimeStatus(const QString& status);

    MainServices services_;
    std::unique_ptr<isAutoModeForm> isAutoModeForm_;
    std::unique_ptr<templet> templet_;
    std::unique_ptr<isAutoExitForm> isAutoExitForm_;
    FramelessWindow* frame_ = nullptr;
    MenuWindows* menus_ = nullptr;
    SchoolClockWindow* schoolClock_ = nullptr;
    QString timeStatus_;
    std::int64_t shownDay_ = -1;
    bool ended_ = false;
    // "Auto execution" is set but its log-on entry could not be written.
    bool startEntryOwed_ = false;
    // The bell service's, which writes and removes the entry as the setting changes.
    const StartEntry* startEntry_ = nullptr;
};

}  // namespace tollix
