// The main window's menu bar of labels and the windows it opens: the
// countdown, the next-bell countdown, and the help and information windows.
#include "ui/FrmCountDown.h"
#include "ui/HelpWindow.h"
#include "ui/HolidaysWindow.h"
#include "ui/LargePrintWindow.h"
#include "ui/OutputsWindow.h"
#include "ui/main.h"

namespace tollix {

void main::connectWindows() {
    connect(mnPlayMusic, &MenuLabel::Click, this, &main::mnPlayMusic_Click);
    connect(mnBellCount, &MenuLabel::Click, this, &main::mnBellCount_Click);
    connect(mnCountDown, &MenuLabel::Click, this, &main::mnCountDown_Click);
    connect(helpword, &MenuLabel::Click, this, &main::helpword_Click);
    connect(info, &MenuLabel::Click, this, &main::info_Click);
    connect(mnHolidays, &MenuLabel::Click, this, &main::mnHolidays_Click);
    connect(mnWebPage, &MenuLabel::Click, this, [this] {
        if (showWebPage)
            showWebPage();
    });
    connect(mnOutputs, &MenuLabel::Click, this, [this] {
        mnOutputs->clearHighlight();
        OutputsWindow::showFor(this, model, services_.mixer, [this] { btnNowBell_Click(); });
    });
    connect(&engine, &BellEngine::sideTextsChanged, this, &main::showSideTexts);
    // Another writer changed the calendar: the bells and the window follow it.
    auto* watch = new HolidaysFileWatch(paths().holidaysIni(), this);
    connect(watch, &HolidaysFileWatch::changed, this, [this] {
        if (holidays_)
            holidays_->reload();
        holidaysChanged();
    });
}

void main::clearMenuHighlights() {
    for (MenuLabel* entry :
         {mexit, mnHolidays, mnWebPage, info, helpword, mnCountDown, mnBellCount, mnPlayMusic})
        entry->clearHighlight();
}

// Written every tick, whether the windows are shown or not.
void main::showSideTexts() {
    if (bellCount_) {
        bellCount_->lblNowTimeShow->setText(engine.sideClockText);
        bellCount_->lblTimeShow->setText(engine.bellCountdownText);
    }
    if (countDown_)
        countDown_->fullScreen()->lblNowTimeShow->setText(engine.sideClockText);
}

FrmCountDown* main::countDownWindow() {
    if (!countDown_) {
        countDown_ = new FrmCountDown(services_.messages, this);
        connect(countDown_, &FrmCountDown::ringNow, this, &main::countdownBell);
        showSideTexts();
    }
    return countDown_;
}

FrmBellCount* main::bellCountWindow() {
    if (!bellCount_) {
        bellCount_ = new FrmBellCount(this);
        showSideTexts();
    }
    return bellCount_;
}

HelpWindow* main::help1Window() {
    if (!help1_)
        help1_ = new HelpWindow(QStringLiteral("help1"), tr("Help"),
                                help1Text(QString::fromStdString(paths().soundFolder().string())),
                                QStringLiteral("cmd_exit1"), this);
    return help1_;
}

HelpWindow* main::playMusicWindow() {
    if (!playMusic_)
        playMusic_ =
            new HelpWindow(QStringLiteral("FrmPlayMusic"), tr("Play music list"),
                           playMusicText(QString::fromStdString(paths().soundFolder().string())),
                           QStringLiteral("cmd_exit"), this);
    return playMusic_;
}

HelpWindow* main::info1Window() {
    if (!info1_) {
        const std::string record = services_.ringLog.file().string();
        info1_ = new HelpWindow(QStringLiteral("info1"), tr("Infomation"),
                                info1Text(QLatin1String(TOLLIX_VERSION),
                                          QString::fromStdString(paths().programFolder().string()),
                                          QString::fromStdString(record)),
                                QStringLiteral("cmd_exit"), this);
    }
    return info1_;
}

void main::mnPlayMusic_Click() {
    clearMenuHighlights();
    playMusicWindow()->exec();
}

void main::mnBellCount_Click() {
    clearMenuHighlights();
    bellCountWindow()->showLarge();
}

void main::mnCountDown_Click() {
    clearMenuHighlights();
    countDownWindow()->exec();
}

void main::helpword_Click() {
    clearMenuHighlights();
    help1Window()->exec();
}

void main::info_Click() {
    clearMenuHighlights();
    info1Window()->exec();
}

HolidaysWindow* main::holidaysWindow() {
    if (!holidays_) {
        holidays_ = new HolidaysWindow(paths().holidaysIni(), services_.messages, this);
        connect(holidays_, &HolidaysWindow::changed, this, &main::holidaysChanged);
    }
    return holidays_;
}

void main::mnHolidays_Click() {
    clearMenuHighlights();
    holidaysWindow()->showCalendar();
}

// The engine rebuilds a running schedule's day when it became another kind.
void main::holidaysChanged() {
    // Read from the file: its window's save and another writer's alike.
    model.setCalendar(HolidayCalendar::read(paths().holidaysIni()));
}

}  // namespace tollix
