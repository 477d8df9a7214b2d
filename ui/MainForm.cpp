// The controls of the main window and where they stand.
#include "ui/MainForm.h"
#include "ui/BellIcon.h"
#include "ui/controls/FlowLayout.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSizeGrip>
#include <QVBoxLayout>

#include <array>
#include <tuple>

namespace tollix {

namespace {

template <typename T, typename... Args>
T* named(const char* name, Args&&... args) {
    T* control = new T(std::forward<Args>(args)...);
    control->setObjectName(QLatin1String(name));
    return control;
}

QLabel* label(const QString& text) {
    return new QLabel(text);
}

QLineEdit* field(const char* name, const char* initial, int width = 44) {
    auto* edit = named<QLineEdit>(name, QString::fromUtf8(initial));
    edit->setFixedWidth(width);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLineEdit* soundField(const char* name) {
    auto* edit = named<QLineEdit>(name);
    edit->setReadOnly(true);
    edit->setMinimumWidth(150);
    return edit;
}

QGroupBox* frame(const QString& caption) {
    return new QGroupBox(caption);
}

PictureButton* pictureButton(const char* name, const char* normal, const char* pressed,
                             const char* disabled = "") {
    auto* button =
        new PictureButton(QLatin1String(normal), QLatin1String(pressed), QLatin1String(disabled));
    button->setObjectName(QLatin1String(name));
    return button;
}

// A numeric field with its spin button beside it and the unit behind.
QHBoxLayout* spinRow(QLineEdit* edit, SpinButton* spin, const QString& unit) {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(edit);
    row->addWidget(spin);
    if (!unit.isEmpty())
        row->addWidget(label(unit));
    return row;
}

SpinButton* counting(const char* name, int minimum, int maximum, int position) {
    auto* spin = new SpinButton(minimum, maximum, position, SpinButton::TopArrow::CountsUp);
    spin->setObjectName(QLatin1String(name));
    return spin;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

std::string toStd(const QLineEdit* edit) {
    return edit->text().toStdString();
}

// Three columns side by side where they fit; on a narrower screen the middle
// one goes under the other two, and where two do not fit either, all three go
// one under another: no control needs scrolling sideways, in any language.
class ColumnFold final : public QObject {
  public:
    ColumnFold(QScrollArea* area, QGridLayout* grid, std::array<QWidget*, 3> panels)
        : QObject(area), area_(area), grid_(grid), panels_(panels) {
        area->installEventFilter(this);
        area->widget()->installEventFilter(this);
        place(3);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // A new size, or new hints once the fonts and the words are set; on
        // screen only, where the sizes are known.
        if (area_->isVisible() &&
            (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
            place(columnsFitting());
        return false;
    }

  private:
    int columnsFitting() const {
        std::array<int, 3> need{};
        for (std::size_t i = 0; i < 3; ++i) need[i] = panels_[i]->minimumSizeHint().width();
        const QMargins margins = grid_->contentsMargins();
        const int gap = grid_->horizontalSpacing();
        // Room kept for the scroll bar of the page's height.
        const int room = area_->width() - area_->verticalScrollBar()->sizeHint().width() -
                         margins.left() - margins.right();
        if (need[0] + need[1] + need[2] + 2 * gap <= room)
            return 3;
        return std::max(need[0] + need[2] + gap, need[1]) <= room ? 2 : 1;
    }

    void place(int columns) {
        if (columns == columns_)
            return;
        columns_ = columns;
        for (QWidget* panel : panels_) grid_->removeWidget(panel);
        // Row and column of each panel, and the columns' and rows' shares.
        static constexpr std::array<std::array<int, 3>, 3> kRows{{{0, 1, 2}, {0, 1, 0}, {0, 0, 0}}};
        static constexpr std::array<std::array<int, 3>, 3> kColumns{
            {{0, 0, 0}, {0, 0, 1}, {0, 1, 2}}};
        static constexpr std::array<std::array<int, 3>, 3> kWidths{
            {{1, 0, 0}, {40, 60, 0}, {30, 26, 44}}};
        const auto at = static_cast<std::size_t>(columns - 1);
        for (std::size_t i = 0; i < 3; ++i)
            grid_->addWidget(panels_[i], kRows[at][i], kColumns[at][i], 1,
                             columns == 2 && i == 1 ? 2 : 1);
        for (int i = 0; i < 3; ++i) {
            grid_->setColumnStretch(i, kWidths[at][static_cast<std::size_t>(i)]);
            grid_->setRowStretch(i, i < 4 - columns ? 1 : 0);
        }
    }

    QScrollArea* area_;
    QGridLayout* grid_;
    std::array<QWidget*, 3> panels_;
    int columns_ = 0;
};

const char kStyle[] = R"(
#Picture2, #templet, #isAutoModeForm, #isAutoExitForm, #RingLogWindow { background: #eef3f8; }
#Picture1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b5f93, stop:1 #1d4670); }
#titleText { color: white; font-size: 15px; font-weight: bold; letter-spacing: 2px; }
#menuBar { background: #dde8f3; border-bottom: 1px solid #b9cbe0; }
QGroupBox { font-weight: bold; color: #1d4670; border: 1px solid #b9cbe0; border-radius: 5px;
            margin-top: 9px; padding: 4px 6px 2px 6px; background: #f8fbfd; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QGroupBox QLabel, QGroupBox QCheckBox, QGroupBox QRadioButton { font-weight: normal; color: #1b2733; }
#state { font-size: 22px; font-weight: bold; color: #1b2733; }
#bellProblem { font-size: 13px; font-weight: bold; color: #c0392b; }
#frameTitle { font-weight: bold; color: #1d4670; }
#dayNote { font-size: 13px; font-weight: bold; color: #1d4670; }
#nextBell, #nextBellSound { font-size: 15px; font-weight: bold; color: #1b2733; }
#now, #now_day { font-size: 14px; font-weight: bold; color: #1b2733; }
QLineEdit[readOnly="true"] { background: #eef2f6; }
)";

}  // namespace

void MainForm::setupUi(QWidget* window) {
    window->setObjectName(QStringLiteral("main"));
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setWindowIcon(bellIcon());
    window->setStyleSheet(QLatin1String(kStyle));

    // Title bar.
    Picture1 = named<QWidget>("Picture1");
    Picture1->setAttribute(Qt::WA_StyledBackground);
    Picture1->setFixedHeight(36);
    titleText = named<QLabel>("titleText", QStringLiteral("TOLLIX"));
    ImageMin = pictureButton("ImageMin", "minimaze", "minimaze");
    ImageMin->setHoverPicture(QStringLiteral("min_on"));
    CmdTray = pictureButton("CmdTray", "tray", "tray1");
    auto* titleRow = new QHBoxLayout(Picture1);
    titleRow->setContentsMargins(12, 0, 8, 0);
    titleRow->addWidget(titleText);
    titleRow->addStretch();
    titleRow->addWidget(ImageMin);
    titleRow->addWidget(CmdTray);

    // Menu bar of labels.
    auto* menuBar = named<QWidget>("menuBar");
    menuBar->setAttribute(Qt::WA_StyledBackground);
    mnPlayMusic = named<MenuLabel>("mnPlayMusic", tr("&Play music list"));
    mnBellCount = named<MenuLabel>("mnBellCount", tr("Countdown next &bell"));
    mnCountDown = named<MenuLabel>("mnCountDown", tr("&Countdown"));
    helpword = named<MenuLabel>("helpword", tr("&Help"));
    info = named<MenuLabel>("info", tr("&Infomation"));
    mnHolidays = named<MenuLabel>("mnHolidays", tr("Holi&days"));
    mnWebPage = named<MenuLabel>("mnWebPage", tr("&Web page"));
    mnOutputs = named<MenuLabel>("mnOutputs", tr("&Outputs"));
    mnAlarms = named<MenuLabel>("mnAlarms", tr("&Alarms"));
    mexit = named<MenuLabel>("mexit", tr("E&xit"));
    auto* menuRow = new FlowLayout(menuBar);
    menuRow->setContentsMargins(6, 2, 6, 2);
    menuRow->setSpacing(2);
    for (MenuLabel* entry : {mnPlayMusic, mnBellCount, mnCountDown, helpword, info, mnHolidays,
                             mnWebPage, mnOutputs, mnAlarms, mexit})
        menuRow->addWidget(entry);

    // Left column: clock, state, next bell, today's bells and the main buttons.
    now_day = named<QLabel>("now_day");
    now = named<QLabel>("now");
    auto* clockFrame = new QGroupBox;
    auto* clockGrid = new QGridLayout(clockFrame);
    clockGrid->addWidget(label(tr("Today     :")), 0, 0);
    clockGrid->addWidget(now_day, 0, 1);
    clockGrid->addWidget(label(tr("Now time :")), 1, 0);
    clockGrid->addWidget(now, 1, 1);
    clockGrid->setColumnStretch(1, 1);

    state = named<QLabel>("state");
    stateColor = named<QLabel>("stateColor");
    stateColor->setFixedSize(38, 30);
    bellProblem = named<QLabel>("bellProblem");
    bellProblem->setWordWrap(true);
    bellProblem->setVisible(false);
    auto* stateFrame = frameState = frame(tr("Now state"));
    stateFrame->setObjectName(QStringLiteral("frameState"));
    stateFrame->setToolTip(tr("Click to see the ring log: every bell and what became of it."));
    stateFrame->setCursor(Qt::PointingHandCursor);
    auto* stateColumn = new QVBoxLayout(stateFrame);
    auto* stateRow = new QHBoxLayout;
    stateRow->addWidget(stateColor);
    stateRow->addWidget(state, 1);
    stateColumn->addLayout(stateRow);
    stateColumn->addWidget(bellProblem);
    dayNote = named<QLabel>("dayNote");
    dayNote->setWordWrap(true);
    dayNote->setVisible(false);
    stateColumn->addWidget(dayNote);

    nextBell = named<QLabel>("nextBell");
    nextBellSound = named<QLabel>("nextBellSound");
    nextBellSound->setMinimumWidth(1);  // a long name is elided, not wrapped
    auto* nextBellFrame = frame(tr("Next bell"));
    (new QVBoxLayout(nextBellFrame))->addWidget(nextBell);
    auto* nextSoundFrame = frame(tr("Next sound"));
    (new QVBoxLayout(nextSoundFrame))->addWidget(nextBellSound);

    clock_list = named<QListWidget>("clock_list");
    auto* todayFrame = frame(tr("Today Bells"));
    (new QVBoxLayout(todayFrame))->addWidget(clock_list);

    start = pictureButton("start", "start", "start1", "start2");
    stop1 = pictureButton("stop1", "stop", "stop1");
    btnNowBell = pictureButton("btnNowBell", "nowBell", "nowBell1");
    bellStop = pictureButton("bellStop", "bellStop", "bellStop1");
    auto* buttons = new QGridLayout;
    buttons->addWidget(start, 0, 0);
    buttons->addWidget(stop1, 0, 1);
    buttons->addWidget(btnNowBell, 1, 0);
    buttons->addWidget(bellStop, 1, 1);
    sayText = named<QLineEdit>("sayText");
    sayText->setMaxLength(500);
    sayText->setPlaceholderText(tr("Words to say"));
    sayText->setAccessibleName(sayText->placeholderText());  // a screen reader's name too
    sayText->setToolTip(tr("Spoken at once on the bells' outputs."));
    sayNow = named<QPushButton>("sayNow", tr("Say"));
    auto* sayRow = new QHBoxLayout;
    sayRow->addWidget(sayText, 1);
    sayRow->addWidget(sayNow);
    buttons->addLayout(sayRow, 2, 0, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(clockFrame);
    left->addWidget(stateFrame);
    auto* nextRow = new QHBoxLayout;
    nextRow->addWidget(nextBellFrame, 2);
    nextRow->addWidget(nextSoundFrame, 3);
    left->addLayout(nextRow);
    left->addWidget(todayFrame, 1);
    left->addLayout(buttons);

    // Middle column: the sounds and the check boxes.
    fileList = named<SortedListBox>("fileList");
    auto* soundFrame = frame(tr("Select bell sound"));
    auto* soundColumn = new QVBoxLayout(soundFrame);
    soundColumn->addWidget(fileList);
    addSound = named<QPushButton>("addSound", tr("Add sound..."));
    playSound = named<QPushButton>("playSound", tr("Play"));
    playSound->setToolTip(tr("Plays the selected sound for a test; a bell ends it."));
    auto* soundButtons = new QHBoxLayout;
    soundButtons->addWidget(addSound);
    soundButtons->addWidget(playSound);
    soundColumn->addLayout(soundButtons);

    auto_exe = named<CheckBox>("auto_exe", tr("Auto execution"));
    auto_exe->setToolTip(tr("If you want TOLLIX to operate automatically at computer start time."));
    sound_zero = named<CheckBox>("sound_zero", tr("No com sound"));
    bellRepeat = named<CheckBox>("bellRepeat", tr("Repeating bell"));
    bellRepeat->setToolTip(tr("if you click [Stop Bell], bell sound will be stoped."));
    sound_zero->setToolTip(tr("If you want purge external sound generating other program."));
    chkTimeSync = named<CheckBox>("chkTimeSync", tr("Internet time"));
    chkTimeSync->setToolTip(tr("At real-time it synchronizes a computer time in standard time."));
    chkAutoExit = named<CheckBox>("chkAutoExit", tr("Reservation Exit"));
    auto* checks = new QGroupBox;
    auto* checkGrid = new QGridLayout(checks);
    checkGrid->addWidget(auto_exe, 0, 0);
    checkGrid->addWidget(sound_zero, 0, 1);
    checkGrid->addWidget(bellRepeat, 1, 0);
    checkGrid->addWidget(chkTimeSync, 1, 1);
    checkGrid->addWidget(chkAutoExit, 2, 0);
    schoolClock = named<QPushButton>("schoolClock", tr("Align to school clock"));
    checkGrid->addWidget(schoolClock, 2, 1);

    auto* middle = new QVBoxLayout;
    middle->addWidget(soundFrame, 1);
    middle->addWidget(checks);

    // Right column: modes, day and the editors of the two modes.
    Option1 = named<OptionButton>("Option1", tr("Auto interval"));
    Option2 = named<OptionButton>("Option2", tr("Manual input"));
    auto* modeFrame = frame(tr("Set time mode"));
    auto* modeBox = new QVBoxLayout(modeFrame);
    modeBox->addWidget(Option1);
    modeBox->addWidget(Option2);
    Option3 = named<OptionButton>("Option3", tr("Apply week"));
    Option4 = named<OptionButton>("Option4", tr("Set each day "));
    auto* dayModeFrame = frame(tr("Apply day"));
    auto* dayModeBox = new QVBoxLayout(dayModeFrame);
    dayModeBox->addWidget(Option3);
    dayModeBox->addWidget(Option4);

    VScroll9 = new SpinButton(0, 14, 1, SpinButton::TopArrow::GoesBack);
    VScroll9->setObjectName(QStringLiteral("VScroll9"));
    reg_day = named<QLineEdit>("reg_day");
    reg_day->setReadOnly(true);
    reg_day->setFixedWidth(150);
    nobell = named<CheckBox>("nobell", tr("No rings"));
    auto* dayFrame = frame(tr("Select day"));
    auto* dayRow = new QHBoxLayout(dayFrame);
    dayRow->setSpacing(2);
    dayRow->addWidget(reg_day);
    dayRow->addWidget(VScroll9);
    dayRow->addSpacing(10);
    dayRow->addWidget(nobell);
    dayRow->addStretch();

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(modeFrame);
    choiceRow->addWidget(dayModeFrame);

    // Auto interval: start and end time.
    start_h = field("start_h", "5");
    start_m = field("start_m", "0");
    exit_h = field("exit_h", "23");
    exit_m = field("exit_m", "0");
    VScroll1 = counting("VScroll1", 0, 24, 5);
    VScroll2 = counting("VScroll2", 0, 60, 0);
    VScroll3 = counting("VScroll3", 0, 24, 23);
    VScroll4 = counting("VScroll4", 0, 60, 0);
    frameStartEnd = frame(tr("Set start and end time"));
    auto* timeGrid = new QGridLayout(frameStartEnd);
    timeGrid->addWidget(label(tr("Start")), 0, 0);
    timeGrid->addLayout(spinRow(start_h, VScroll1, tr("hr")), 0, 1);
    timeGrid->addLayout(spinRow(start_m, VScroll2, tr("min")), 0, 2);
    timeGrid->addWidget(label(tr("End")), 1, 0);
    timeGrid->addLayout(spinRow(exit_h, VScroll3, tr("hr")), 1, 1);
    timeGrid->addLayout(spinRow(exit_m, VScroll4, tr("min")), 1, 2);
    timeGrid->setColumnStretch(3, 1);

    // Auto interval: work and rest.
    worktime = field("worktime", "50");
    resttime = field("resttime", "10");
    // Three characters typed at most; a longer stored value ("0050") loads whole.
    for (QLineEdit* typed : {worktime, resttime})
        typed->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".{0,3}")), typed));
    VScroll5 = counting("VScroll5", 1, 300, 50);
    VScroll6 = counting("VScroll6", 1, 300, 10);
    frameInterval = frame(tr("Set time interval"));
    auto* intervalGrid = new QGridLayout(frameInterval);
    intervalGrid->addWidget(label(tr("Work time")), 0, 0);
    intervalGrid->addLayout(spinRow(worktime, VScroll5, tr("min")), 0, 1);
    intervalGrid->addWidget(label(tr("Rest time")), 0, 2);
    intervalGrid->addLayout(spinRow(resttime, VScroll6, tr("min")), 0, 3);
    intervalGrid->setColumnStretch(4, 1);

    // Auto interval: the sounds of the start and end bells.
    txtStartBellSound = soundField("txtStartBellSound");
    txtEndBellSound = soundField("txtEndBellSound");
    cmdStartBellSound = pictureButton("cmdStartBellSound", "apply", "apply1", "apply2");
    cmdEndBellSound = pictureButton("cmdEndBellSound", "apply", "apply1", "apply2");
    frameBellSound = frame(tr("Set start bell sound"));
    auto* bellGrid = new QGridLayout(frameBellSound);
    bellGrid->addWidget(label(tr("Work")), 0, 0);
    bellGrid->addWidget(txtStartBellSound, 0, 1);
    bellGrid->addWidget(cmdStartBellSound, 0, 2);
    bellGrid->addWidget(label(tr("Rest")), 1, 0);
    bellGrid->addWidget(txtEndBellSound, 1, 1);
    bellGrid->addWidget(cmdEndBellSound, 1, 2);
    bellGrid->setColumnStretch(1, 1);

    // Auto interval: the alarms after the start and before the end bells.
    ChkPreBell1 = named<CheckBox>("ChkPreBell1", tr("Start"));
    TxtPreBell1 = field("TxtPreBell1", "1", 36);
    VScrollPreBell1 = counting("VScrollPreBell1", 1, 100, 1);
    LblPreBell1 = named<QLabel>("LblPreBell1", tr("min after"));
    TxtPreBellName1 = soundField("TxtPreBellName1");
    CmdPreBell1 = pictureButton("CmdPreBell1", "apply", "apply1", "apply2");
    ChkPreBell2 = named<CheckBox>("ChkPreBell2", tr("End"));
    TxtPreBell2 = field("TxtPreBell2", "1", 36);
    VScrollPreBell2 = counting("VScrollPreBell2", 1, 100, 1);
    LblPreBell2 = named<QLabel>("LblPreBell2", tr("min before"));
    TxtPreBellName2 = soundField("TxtPreBellName2");
    CmdPreBell2 = pictureButton("CmdPreBell2", "apply", "apply1", "apply2");
    // Its long title wraps inside the frame where the screen is narrow.
    frameAlarm = frame(QString());
    auto* alarmTitle = named<QLabel>(
        "frameTitle", tr("Alarm before and after bell time (After check,Apply sound)"));
    alarmTitle->setWordWrap(true);
    frameAlarm->setAccessibleName(alarmTitle->text());
    auto* alarmGrid = new QGridLayout(frameAlarm);
    alarmGrid->addWidget(alarmTitle, 0, 0, 1, 5);
    alarmGrid->addWidget(ChkPreBell1, 1, 0);
    alarmGrid->addLayout(spinRow(TxtPreBell1, VScrollPreBell1, QString()), 1, 1);
    alarmGrid->addWidget(LblPreBell1, 1, 2);
    alarmGrid->addWidget(TxtPreBellName1, 1, 3);
    alarmGrid->addWidget(CmdPreBell1, 1, 4);
    alarmGrid->addWidget(ChkPreBell2, 2, 0);
    alarmGrid->addLayout(spinRow(TxtPreBell2, VScrollPreBell2, QString()), 2, 1);
    alarmGrid->addWidget(LblPreBell2, 2, 2);
    alarmGrid->addWidget(TxtPreBellName2, 2, 3);
    alarmGrid->addWidget(CmdPreBell2, 2, 4);
    alarmGrid->setColumnStretch(3, 1);

    // Manual input: a new time.
    input_h = field("input_h", "0");
    input_m = field("input_m", "5");
    VScroll7 = counting("VScroll7", 0, 24, 0);
    VScroll8 = counting("VScroll8", 0, 60, 5);
    TimeAdd = pictureButton("TimeAdd", "TimeAdd", "TimeAdd1", "TimeAdd2");
    List1 = named<QListWidget>("List1");
    List1->setVisible(false);
    frameInputTime = frame(tr("Input time (Add after selecting sound)"));
    auto* inputRow = new QHBoxLayout(frameInputTime);
    inputRow->addLayout(spinRow(input_h, VScroll7, tr("hr")));
    inputRow->addSpacing(6);
    inputRow->addLayout(spinRow(input_m, VScroll8, tr("min")));
    inputRow->addStretch();
    inputRow->addWidget(TimeAdd);
    inputRow->addWidget(List1);

    // Manual input: the list.
    AddTimeList = named<SortedListBox>("AddTimeList");
    TimeDel = pictureButton("TimeDel", "TimeDel", "TimeDel1", "TimeDel2");
    TimeMod = pictureButton("TimeMod", "TimeMod", "TimeMod1", "TimeMod2");
    allDel = pictureButton("allDel", "allDel", "allDel1", "allDel2");
    applyTemplet =
        pictureButton("applyTemplet", "applyTemplet", "applyTempletDown", "applyTempletDis");
    frameAddedTime = frame(tr("Added time (24H clock : 5PM -> 17hr)"));
    auto* addedGrid = new QHBoxLayout(frameAddedTime);
    addedGrid->addWidget(AddTimeList, 1);
    auto* listButtons = new QVBoxLayout;
    for (PictureButton* button : {TimeDel, TimeMod, allDel, applyTemplet})
        listButtons->addWidget(button);
    copyTo = named<QPushButton>("copyTo", tr("Copy to..."));
    listButtons->addWidget(copyTo);
    listButtons->addStretch();
    addedGrid->addLayout(listButtons);

    auto* right = new QVBoxLayout;
    right->addLayout(choiceRow);
    right->addWidget(dayFrame);
    for (QGroupBox* panel :
         {frameStartEnd, frameInterval, frameBellSound, frameAlarm, frameInputTime, frameAddedTime})
        right->addWidget(panel);
    right->addStretch();
    right->setStretchFactor(frameAddedTime, 1);
    ShowAutoPanels();  // the first mode, until the settings say otherwise

    // The body under the title bar.
    Picture2 = named<QWidget>("Picture2");
    Picture2->setAttribute(Qt::WA_StyledBackground);
    Picture2->setMouseTracking(true);
    auto* columns = new QGridLayout;
    columns->setContentsMargins(10, 8, 10, 10);
    columns->setSpacing(10);
    std::array<QWidget*, 3> panels{};
    for (std::size_t i = 0; QBoxLayout * column : {left, middle, right}) {
        column->setContentsMargins(0, 0, 0, 0);
        panels[i++] = new QWidget;
        panels[i - 1]->setLayout(column);
    }
    auto* body = new QVBoxLayout(Picture2);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    // The menu and the page scroll where the screen is too small for them
    // (800x600): nothing is cut and nothing is off screen.
    auto* page = named<QWidget>("page");
    auto* pageColumn = new QVBoxLayout(page);
    pageColumn->setContentsMargins(0, 0, 0, 0);
    pageColumn->setSpacing(0);
    pageColumn->addWidget(menuBar);
    pageColumn->addLayout(columns, 1);
    auto* pageArea = named<QScrollArea>("pageArea");
    pageArea->setWidget(page);
    pageArea->setWidgetResizable(true);
    pageArea->setFrameShape(QFrame::NoFrame);
    pageArea->setFocusPolicy(Qt::NoFocus);  // Tab goes to the controls, which it scrolls to
    pageArea->setStyleSheet(QStringLiteral("#pageArea, #page { background: transparent; }"));
    pageArea->viewport()->setAutoFillBackground(false);
    body->addWidget(pageArea, 1);
    new ColumnFold(pageArea, columns, panels);

    auto* whole = new QVBoxLayout(window);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->setSpacing(0);
    whole->addWidget(Picture1);
    whole->addWidget(Picture2, 1);

    // Tight frames, so that the whole window fits screens down to 1024x600.
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        box->layout()->setContentsMargins(8, 2, 8, 2);
        box->layout()->setSpacing(4);
    }
    right->setSpacing(4);
    left->setSpacing(4);
    window->resize(1180, 700);
    sizeGrip = new QSizeGrip(window);

    // The buttons' words, and what a screen reader says of the controls
    // without words of their own.
    const std::pair<PictureButton*, const char*> captions[] = {
        {start, QT_TR_NOOP("Start")},           {stop1, QT_TR_NOOP("Stop")},
        {btnNowBell, QT_TR_NOOP("Ring now")},   {bellStop, QT_TR_NOOP("Stop Bell")},
        {TimeAdd, QT_TR_NOOP("Add")},           {TimeDel, QT_TR_NOOP("Delete")},
        {TimeMod, QT_TR_NOOP("Modify")},        {allDel, QT_TR_NOOP("Delete all")},
        {applyTemplet, QT_TR_NOOP("Templet")},  {cmdStartBellSound, QT_TR_NOOP("Apply")},
        {cmdEndBellSound, QT_TR_NOOP("Apply")}, {CmdPreBell1, QT_TR_NOOP("Apply")},
        {CmdPreBell2, QT_TR_NOOP("Apply")}};
    for (const auto& [button, caption] : captions) button->setCaption(tr(caption));
    const std::pair<QWidget*, const char*> names[] = {
        {ImageMin, QT_TR_NOOP("Minimize")},
        {CmdTray, QT_TR_NOOP("To the tray")},
        {clock_list, QT_TR_NOOP("Today's bells")},
        {fileList, QT_TR_NOOP("Bell sounds")},
        {reg_day, QT_TR_NOOP("Day shown")},
        {VScroll9, QT_TR_NOOP("Day shown")},
        {start_h, QT_TR_NOOP("Start hour")},
        {VScroll1, QT_TR_NOOP("Start hour")},
        {start_m, QT_TR_NOOP("Start minute")},
        {VScroll2, QT_TR_NOOP("Start minute")},
        {exit_h, QT_TR_NOOP("End hour")},
        {VScroll3, QT_TR_NOOP("End hour")},
        {exit_m, QT_TR_NOOP("End minute")},
        {VScroll4, QT_TR_NOOP("End minute")},
        {worktime, QT_TR_NOOP("Work minutes")},
        {VScroll5, QT_TR_NOOP("Work minutes")},
        {resttime, QT_TR_NOOP("Rest minutes")},
        {VScroll6, QT_TR_NOOP("Rest minutes")},
        {txtStartBellSound, QT_TR_NOOP("Sound of the work bell")},
        {txtEndBellSound, QT_TR_NOOP("Sound of the rest bell")},
        {TxtPreBell1, QT_TR_NOOP("Minutes after the start bell")},
        {VScrollPreBell1, QT_TR_NOOP("Minutes after the start bell")},
        {TxtPreBellName1, QT_TR_NOOP("Sound of the alarm after the start bell")},
        {TxtPreBell2, QT_TR_NOOP("Minutes before the end bell")},
        {VScrollPreBell2, QT_TR_NOOP("Minutes before the end bell")},
        {TxtPreBellName2, QT_TR_NOOP("Sound of the alarm before the end bell")},
        {input_h, QT_TR_NOOP("Hour of the new time")},
        {VScroll7, QT_TR_NOOP("Hour of the new time")},
        {input_m, QT_TR_NOOP("Minute of the new time (Enter adds it)")},
        {VScroll8, QT_TR_NOOP("Minute of the new time (Enter adds it)")},
        {List1, QT_TR_NOOP("Bell sounds")},
        {AddTimeList, QT_TR_NOOP("Added times (Del deletes)")}};
    for (const auto& [control, name] : names) control->setAccessibleName(tr(name));
    for (const auto& [button, description] :
         {std::pair{cmdStartBellSound, QT_TR_NOOP("Apply the selected sound to the work bell")},
          {cmdEndBellSound, QT_TR_NOOP("Apply the selected sound to the rest bell")},
          {CmdPreBell1, QT_TR_NOOP("Apply the selected sound to the alarm after the start bell")},
          {CmdPreBell2, QT_TR_NOOP("Apply the selected sound to the alarm before the end bell")}})
        button->setAccessibleDescription(tr(description));
    const std::tuple<SpinButton*, QLineEdit*, int, int> spins[] = {
        {VScroll1, start_h, 24, 0},
        {VScroll2, start_m, 60, 0},
        {VScroll3, exit_h, 24, 0},
        {VScroll4, exit_m, 60, 0},
        {VScroll5, worktime, 0, 0},
        {VScroll6, resttime, 0, 0},
        {VScroll7, input_h, 24, 0},
        {VScroll8, input_m, 60, 0},
        {VScrollPreBell1, TxtPreBell1, 100, 1},
        {VScrollPreBell2, TxtPreBell2, 100, 1}};
    for (const auto& [spin, field, top, wrapTo] : spins) bindWrappingSpin(spin, field, top, wrapTo);
    VScroll9->stepFrom(reg_day);

    // The common jobs from the keyboard, named in the tool tips and the help.
    const std::pair<PictureButton*, QKeySequence> keys[] = {
        {start, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {stop1, QKeySequence(Qt::CTRL | Qt::Key_T)},
        {btnNowBell, QKeySequence(Qt::CTRL | Qt::Key_R)}};
    for (const auto& [button, sequence] : keys) {
        auto* shortcut = new QShortcut(sequence, window);
        QObject::connect(shortcut, &QShortcut::activated, button, [target = button] {
            if (target->isVisible() && target->isEnabled())
                target->click();
        });
        button->setToolTip(QStringLiteral("%1 (%2)").arg(
            button->text(), sequence.toString(QKeySequence::NativeText)));
    }
    QObject::connect(input_m, &QLineEdit::returnPressed, TimeAdd, &PictureButton::click);
    QObject::connect(
        new QShortcut(QKeySequence::Delete, AddTimeList, nullptr, nullptr, Qt::WidgetShortcut),
        &QShortcut::activated, TimeDel, &PictureButton::click);

    // Not shown.
    help = new QMenu(tr("Help"), window);
    help->setObjectName(QStringLiteral("help"));
    mOpen = help->addAction(tr("Open Window"));
    mOpen->setObjectName(QStringLiteral("mOpen"));
    mnExit1 = help->addAction(tr("Exit"));
    mnExit1->setObjectName(QStringLiteral("mnExit1"));
}

IntervalSettings MainForm::intervals() const {
    IntervalSettings s;
    s.start_h = toStd(start_h);
    s.start_m = toStd(start_m);
    s.exit_h = toStd(exit_h);
    s.exit_m = toStd(exit_m);
    s.worktime = toStd(worktime);
    s.resttime = toStd(resttime);
    s.nobell = nobell->value();
    s.txtStartBellSound = toStd(txtStartBellSound);
    s.txtEndBellSound = toStd(txtEndBellSound);
    s.ChkPreBell1 = ChkPreBell1->value();
    s.TxtPreBell1 = toStd(TxtPreBell1);
    s.TxtPreBellName1 = toStd(TxtPreBellName1);
    s.ChkPreBell2 = ChkPreBell2->value();
    s.TxtPreBell2 = toStd(TxtPreBell2);
    s.TxtPreBellName2 = toStd(TxtPreBellName2);
    return s;
}

void MainForm::showIntervals(const IntervalSettings& s) {
    start_h->setText(fromStd(s.start_h));
    start_m->setText(fromStd(s.start_m));
    exit_h->setText(fromStd(s.exit_h));
    exit_m->setText(fromStd(s.exit_m));
    worktime->setText(fromStd(s.worktime));
    resttime->setText(fromStd(s.resttime));
    txtStartBellSound->setText(fromStd(s.txtStartBellSound));
    txtEndBellSound->setText(fromStd(s.txtEndBellSound));
    ChkPreBell1->setValue(s.ChkPreBell1);
    TxtPreBell1->setText(fromStd(s.TxtPreBell1));
    TxtPreBellName1->setText(fromStd(s.TxtPreBellName1));
    ChkPreBell2->setValue(s.ChkPreBell2);
    TxtPreBell2->setText(fromStd(s.TxtPreBell2));
    TxtPreBellName2->setText(fromStd(s.TxtPreBellName2));
}

void MainForm::ShowManualPanels() {
    for (QGroupBox* panel : {frameStartEnd, frameInterval, frameBellSound, frameAlarm})
        panel->setVisible(false);
    for (QGroupBox* panel : {frameInputTime, frameAddedTime}) panel->setVisible(true);
    applyTemplet->setVisible(true);
}

void MainForm::ShowAutoPanels() {
    for (QGroupBox* panel : {frameInputTime, frameAddedTime}) panel->setVisible(false);
    for (QGroupBox* panel : {frameStartEnd, frameInterval, frameBellSound, frameAlarm})
        panel->setVisible(true);
    applyTemplet->setVisible(false);
}

void MainForm::lockEditors(bool locked) {
    for (QWidget* control : std::initializer_list<QWidget*>{Option1,
                                                            Option2,
                                                            Option3,
                                                            Option4,
                                                            start_h,
                                                            start_m,
                                                            exit_h,
                                                            exit_m,
                                                            worktime,
                                                            resttime,
                                                            VScroll1,
                                                            VScroll2,
                                                            VScroll3,
                                                            VScroll4,
                                                            VScroll5,
                                                            VScroll6,
                                                            txtStartBellSound,
                                                            txtEndBellSound,
                                                            cmdStartBellSound,
                                                            cmdEndBellSound,
                                                            ChkPreBell1,
                                                            TxtPreBell1,
                                                            VScrollPreBell1,
                                                            TxtPreBellName1,
                                                            CmdPreBell1,
                                                            ChkPreBell2,
                                                            TxtPreBell2,
                                                            VScrollPreBell2,
                                                            TxtPreBellName2,
                                                            CmdPreBell2,
                                                            input_h,
                                                            input_m,
                                                            VScroll7,
                                                            VScroll8,
                                                            TimeAdd,
                                                            TimeDel,
                                                            TimeMod,
                                                            allDel,
                                                            applyTemplet})
        control->setEnabled(!locked);
}

}  // namespace tollix
