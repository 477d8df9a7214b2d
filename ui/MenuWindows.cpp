#include "ui/MenuWindows.h"

#include "engine/BellEngine.h"
#include "model/ScheduleModel.h"
#include "ui/FrmCountDown.h"
#include "ui/FrmSyncError.h"
#include "ui/HelpWindow.h"
#include "ui/HolidaysWindow.h"
#include "ui/LargePrintWindow.h"
#include "ui/MainForm.h"
#include "ui/RingLogWindow.h"

namespace tollix {

namespace {

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

MenuWindows::MenuWindows(QWidget& window, MainForm& form, BellEngine& engine, ScheduleModel& model,
                         Messages& messages, const AppPaths& paths, std::filesystem::path ringLog)
    : QObject(&window),
      window_(window),
      form_(form),
      engine_(engine),
      model_(model),
      messages_(messages),
      paths_(paths),
      ringLog_(std::move(ringLog)) {
    connect(form.mnPlayMusic, &MenuLabel::Click, this, &MenuWindows::mnPlayMusic_Click);
    connect(form.mnBellCount, &MenuLabel::Click, this, &MenuWindows::mnBellCount_Click);
    connect(form.mnCountDown, &MenuLabel::Click, this, &MenuWindows::mnCountDown_Click);
    connect(form.helpword, &MenuLabel::Click, this, &MenuWindows::helpword_Click);
    connect(form.info, &MenuLabel::Click, this, &MenuWindows::info_Click);
    connect(form.mnHolidays, &MenuLabel::Click, this, &MenuWindows::mnHolidays_Click);
    connect(form.mnWebPage, &MenuLabel::Click, this, [this] {
        clearMenuHighlights();
        if (showWebPage)
            showWebPage();
    });
    connect(&engine, &BellEngine::sideTextsChanged, this, &MenuWindows::showSideTexts);
    // Another writer changed the calendar: the bells and the window follow it.
    auto* watch = new HolidaysFileWatch(paths.holidaysIni(), this);
    connect(watch, &HolidaysFileWatch::changed, this, [this] {
        if (holidays_)
            holidays_->reload();
        holidaysChanged();
    });
    form.frameState->installEventFilter(this);
    form.Picture2->installEventFilter(this);
}

bool MenuWindows::eventFilter(QObject* watched, QEvent* event) {
    // "Now state" opens the ring record.
    if (watched == form_.frameState && event->type() == QEvent::MouseButtonRelease) {
        showRingLog();
        return true;
    }
    // Moving over the background clears the highlight of the menu labels.
    if (watched == form_.Picture2 && event->type() == QEvent::MouseMove)
        clearMenuHighlights();
    return false;
}

void MenuWindows::clearMenuHighlights() {
    for (MenuLabel* entry :
         {form_.mexit, form_.mnHolidays, form_.mnWebPage, form_.mnOutputs, form_.mnAlarms,
          form_.info, form_.helpword, form_.mnCountDown, form_.mnBellCount, form_.mnPlayMusic})
        entry->clearHighlight();
}

// Written every tick, whether the windows are shown or not.
void MenuWindows::showSideTexts() {
    if (bellCount_) {
        bellCount_->lblNowTimeShow->setText(engine_.sideClockText);
        bellCount_->lblTimeShow->setText(engine_.bellCountdownText);
    }
    if (countDown_)
        countDown_->fullScreen()->lblNowTimeShow->setText(engine_.sideClockText);
}

FrmCountDown* MenuWindows::countDownWindow() {
    if (!countDown_) {
        countDown_ = new FrmCountDown(messages_, &window_);
        connect(countDown_, &FrmCountDown::ringNow, this, &MenuWindows::countdownBell);
        showSideTexts();
    }
    return countDown_;
}

FrmBellCount* MenuWindows::bellCountWindow() {
    if (!bellCount_) {
        bellCount_ = new FrmBellCount(&window_);
        showSideTexts();
    }
    return bellCount_;
}

HelpWindow* MenuWindows::help1Window() {
    if (!help1_)
        help1_ = new HelpWindow(QStringLiteral("help1"), tr("Help"),
                                help1Text(fromPath(paths_.soundFolder())),
                                QStringLiteral("cmd_exit1"), &window_);
    return help1_;
}

HelpWindow* MenuWindows::playMusicWindow() {
    if (!playMusic_)
        playMusic_ = new HelpWindow(QStringLiteral("FrmPlayMusic"), tr("Play music list"),
                                    playMusicText(fromPath(paths_.soundFolder())),
                                    QStringLiteral("cmd_exit"), &window_);
    return playMusic_;
}

HelpWindow* MenuWindows::info1Window() {
    if (!info1_)
        info1_ = new HelpWindow(QStringLiteral("info1"), tr("Infomation"),
                                info1Text(QLatin1String(TOLLIX_VERSION),
                                          fromPath(paths_.programFolder()), fromPath(ringLog_)),
                                QStringLiteral("cmd_exit"), &window_);
    return info1_;
}

void MenuWindows::setSubscriptions(CalendarSubscriptions* calendars) {
    calendars_ = calendars;
    if (holidays_)
        holidays_->setSubscriptions(calendars);
}

HolidaysWindow* MenuWindows::holidaysWindow() {
    if (!holidays_) {
        holidays_ = new HolidaysWindow(paths_.holidaysIni(), messages_, model_, &window_);
        holidays_->setSubscriptions(calendars_);
        connect(holidays_, &HolidaysWindow::changed, this, &MenuWindows::holidaysChanged);
    }
    return holidays_;
}

void MenuWindows::mnPlayMusic_Click() {
    clearMenuHighlights();
    playMusicWindow()->exec();
}

void MenuWindows::mnBellCount_Click() {
    clearMenuHighlights();
    bellCountWindow()->showLarge();
}

void MenuWindows::mnCountDown_Click() {
    clearMenuHighlights();
    countDownWindow()->exec();
}

void MenuWindows::helpword_Click() {
    clearMenuHighlights();
    help1Window()->exec();
}

void MenuWindows::info_Click() {
    clearMenuHighlights();
    info1Window()->exec();
}

void MenuWindows::mnHolidays_Click() {
    clearMenuHighlights();
    holidaysWindow()->showCalendar();
}

void MenuWindows::showRingLog() {
    if (!ringLogWindow_)
        ringLogWindow_ = new RingLogWindow(ringLog_, &window_);
    ringLogWindow_->showLatest();
}

void MenuWindows::showSyncError() {
    if (!syncError_)
        syncError_ = new FrmSyncError(&window_);
    syncError_->show();
}

// The engine rebuilds a running schedule's day when it became another kind.
void MenuWindows::holidaysChanged() {
    // Read from the file: its window's save and another writer's alike.
    model_.setCalendar(HolidayCalendar::read(paths_.holidaysIni()));
}

}  // namespace tollix
