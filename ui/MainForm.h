#pragma once

#include "schedule/BellEntry.h"
#include "ui/controls/Choices.h"
#include "ui/controls/MenuLabel.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/SortedListBox.h"
#include "ui/controls/SpinButton.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class QAction;
class QMenu;

namespace tollix {

// The main window's controls and where they stand; the window draws into
// them and reads the operator's edits from them.
struct MainForm {
    Q_DECLARE_TR_FUNCTIONS(MainForm)

  public:
    // Builds every control into `window`.
    void setupUi(QWidget* window);
    // The interval fields as typed, and filled from settings.
    IntervalSettings intervals() const;
    void showIntervals(const IntervalSettings& settings);
    // The frames of the manual and of the auto mode.
    void ShowManualPanels();
    void ShowAutoPanels();
    // The controls that edit the schedule, locked while it runs.
    void lockEditors(bool locked);

    // Title bar of its own.
    QWidget* Picture1;
    QLabel* titleText;
    PictureButton* ImageMin;
    PictureButton* CmdTray;
    QWidget* Picture2;

    // Menu bar of labels.
    MenuLabel* mnPlayMusic;
    MenuLabel* mnBellCount;
    MenuLabel* mnCountDown;
    MenuLabel* helpword;
    MenuLabel* info;
    MenuLabel* mnHolidays;
    MenuLabel* mnWebPage;
    MenuLabel* mnOutputs;
    MenuLabel* mnAlarms;
    MenuLabel* mexit;

    QLabel* now_day;
    QLabel* now;
    QLabel* state;
    QLabel* stateColor;
    // Why the last bell was not heard, in red; empty while bells are heard.
    QLabel* bellProblem;
    QLabel* dayNote;  // a day off or a make-up day
    QLabel* nextBell;
    QLabel* nextBellSound;
    QListWidget* clock_list;
    PictureButton* start;
    PictureButton* stop1;
    PictureButton* btnNowBell;
    PictureButton* bellStop;
    // Words said at once on the bells' outputs.
    QLineEdit* sayText;
    QPushButton* sayNow;

    SortedListBox* fileList;
    QPushButton* addSound;   // files into the sound folder
    QPushButton* playSound;  // "Play" / "Stop": the selected sound for a test

    OptionButton* Option1;
    OptionButton* Option2;
    OptionButton* Option3;
    OptionButton* Option4;

    SpinButton* VScroll9;
    QLineEdit* reg_day;
    CheckBox* nobell;

    QLineEdit* start_h;
    QLineEdit* start_m;
    QLineEdit* exit_h;
    QLineEdit* exit_m;
    SpinButton* VScroll1;
    SpinButton* VScroll2;
    SpinButton* VScroll3;
    SpinButton* VScroll4;
    QLineEdit* worktime;
    QLineEdit* resttime;
    SpinButton* VScroll5;
    SpinButton* VScroll6;

    QLineEdit* txtStartBellSound;
    QLineEdit* txtEndBellSound;
    PictureButton* cmdStartBellSound;
    PictureButton* cmdEndBellSound;

    CheckBox* ChkPreBell1;
    QLineEdit* TxtPreBell1;
    SpinButton* VScrollPreBell1;
    QLabel* LblPreBell1;
    QLineEdit* TxtPreBellName1;
    PictureButton* CmdPreBell1;
    CheckBox* ChkPreBell2;
    QLineEdit* TxtPreBell2;
    SpinButton* VScrollPreBell2;
    QLabel* LblPreBell2;
    QLineEdit* TxtPreBellName2;
    PictureButton* CmdPreBell2;

    QLineEdit* input_h;
    QLineEdit* input_m;
    SpinButton* VScroll7;
    SpinButton* VScroll8;
    PictureButton* TimeAdd;
    QListWidget* List1;

    SortedListBox* AddTimeList;
    PictureButton* TimeDel;
    PictureButton* TimeMod;
    PictureButton* allDel;
    PictureButton* applyTemplet;

    CheckBox* auto_exe;
    CheckBox* sound_zero;
    CheckBox* bellRepeat;
    CheckBox* chkTimeSync;
    CheckBox* chkAutoExit;
    QPushButton* schoolClock;
    QPushButton* copyTo;  // the list on screen to chosen weekdays

    // The frames that the two time modes show and hide.
    QGroupBox* frameInputTime;
    QGroupBox* frameAddedTime;
    QGroupBox* frameStartEnd;
    QGroupBox* frameInterval;
    QGroupBox* frameBellSound;
    QGroupBox* frameAlarm;
    // "Now state": a click opens the ring record.
    QGroupBox* frameState;

    QMenu* help;
    QAction* mOpen;
    QAction* mnExit1;
    // The window has no frame of the system's to pull at.
    QWidget* sizeGrip;
};

}  // namespace tollix
