#include "ui/HolidaysWindow.h"

#include "model/CalendarSubscriptions.h"
#include "model/ScheduleModel.h"
#include "schedule/HolidayImport.h"
#include "ui/ScreenFit.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include <algorithm>

#include <chrono>

namespace tollix {

namespace {

const QColor kNoBells(0xf4, 0xc7, 0xc3);
const QColor kMakeUp(0xc8, 0xe6, 0xc9);
const QColor kSpecial(0xc5, 0xd8, 0xf4);

// A colour for each subscribed calendar, in the order of calendars.ini.
const QColor kCalendars[] = {QColor(0xf9, 0xe0, 0xa8), QColor(0xd9, 0xc8, 0xef),
                             QColor(0xbf, 0xe8, 0xe3), QColor(0xf2, 0xd0, 0xe6),
                             QColor(0xdd, 0xdd, 0xdd)};

const QColor& colourOf(DayChoice::Kind kind) {
    return kind == DayChoice::Kind::NoBells  ? kNoBells
           : kind == DayChoice::Kind::MakeUp ? kMakeUp
                                             : kSpecial;
}

std::int64_t dayNumber(const QDate& date) {
    return QDate(1970, 1, 1).daysTo(date);
}

// A rule in words, as the main window names such a day: "2027-03-02  Special
// day: Templet 2 (Exams)".
QString ruleText(const HolidayRule& rule) {
    QString dates = QString::fromStdString(dateText(rule.first));
    if (rule.last != rule.first)
        dates += QStringLiteral(" – ") + QString::fromStdString(dateText(rule.last));
    const QString name = QString::fromStdString(rule.name);
    const QString named = name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name);
    const auto say = [](const char* text) {
        return QCoreApplication::translate("tollix::main", text);
    };
    QString what = name.isEmpty() ? HolidaysWindow::tr("No bells") : name;
    if (rule.special())
        what = say("Special day: Templet %1%2").arg(rule.templet).arg(named);
    else if (rule.makeUp())
        what = say("Make-up day: %1's bells%2")
                   .arg(QLocale::system().dayName(rule.weekday == 1 ? 7 : rule.weekday - 1), named);
    return dates + QStringLiteral("  ") + what;
}

QLabel* swatch(const QColor& colour, const QString& text) {
    auto* label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("background: %1; padding: 2px 6px;").arg(colour.name()));
    return label;
}

}  // namespace

HolidaysWindow::HolidaysWindow(std::filesystem::path file, Messages& messages,
                               const ScheduleModel& model, QWidget* parent)
    : QDialog(parent), file_(std::move(file)), messages_(messages), model_(model) {
    setObjectName(QStringLiteral("HolidaysWindow"));
    setWindowTitle(tr("Holidays"));

    calendar = new QCalendarWidget;
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setGridVisible(true);
    calendar->setAccessibleName(tr("Calendar"));
    calendar->setFirstDayOfWeek(Qt::Monday);
    // Without week numbers: their corner would be a cell without a name.
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The calendar's own controls, named for a screen reader.
    const std::pair<const char*, const char*> parts[] = {
        {"qt_calendar_prevmonth", QT_TR_NOOP("Previous month")},
        {"qt_calendar_nextmonth", QT_TR_NOOP("Next month")},
        {"qt_calendar_calendarview", QT_TR_NOOP("Days of the month")},
        {"qt_calendar_yearedit", QT_TR_NOOP("Year")}};
    for (const auto& [part, name] : parts)
        if (auto* control = calendar->findChild<QWidget*>(QLatin1String(part)))
            control->setAccessibleName(tr(name));
    connect(calendar, &QCalendarWidget::currentPageChanged, this, [this] { paintMonth(); });
    connect(calendar, &QCalendarWidget::clicked, this, [this](const QDate& date) {
        fromDate->setDate(date);
        toDate->setDate(date);
    });

    rules = new QListWidget;
    rules->setObjectName(QStringLiteral("rules"));
    rules->setAccessibleName(tr("Days without bells and make-up days"));
    problems = new QLabel;
    problems->setObjectName(QStringLiteral("problems"));
    problems->setWordWrap(true);
    problems->setStyleSheet(QStringLiteral("color: #c0392b; font-weight: bold;"));

    fromDate = new QDateEdit(QDate::currentDate());
    toDate = new QDateEdit(QDate::currentDate());
    for (QDateEdit* edit : {fromDate, toDate}) {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
    }
    fromDate->setAccessibleName(tr("From"));
    toDate->setAccessibleName(tr("to"));
    connect(fromDate, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (toDate->date() < date)
            toDate->setDate(date);
    });
    ruleName = new QLineEdit;
    ruleName->setObjectName(QStringLiteral("ruleName"));
    ruleName->setAccessibleName(tr("Name"));
    ruleName->setPlaceholderText(tr("Name, for example Winter holidays"));
    noBells = new QRadioButton(tr("No bells"));
    noBells->setChecked(true);
    makeUp = new QRadioButton(tr("Make-up day with the bells of"));
    makeUpDay = new QComboBox;
    makeUpDay->setAccessibleName(tr("Weekday whose bells ring"));
    // The week from Monday, numbered as the day selector numbers it.
    static constexpr const char* kDays[] = {QT_TR_NOOP("Sunday"),   QT_TR_NOOP("Monday"),
                                            QT_TR_NOOP("Tuesday"),  QT_TR_NOOP("Wednesday"),
                                            QT_TR_NOOP("Thursday"), QT_TR_NOOP("Friday"),
                                            QT_TR_NOOP("Saturday")};
    for (int day : {2, 3, 4, 5, 6, 7, 1}) makeUpDay->addItem(tr(kDays[day - 1]), day);
    special = new QRadioButton(tr("Special day with the bells of"));
    specialTemplet = new QComboBox;
    specialTemplet->setAccessibleName(tr("Template of the special day"));
    for (int n = 1; n <= 6; ++n) specialTemplet->addItem(tr("Templet %1").arg(n), n);
    addRule = new QPushButton(tr("Add"));
    deleteRule = new QPushButton(tr("Delete"));
    importCalendar = new QPushButton(tr("Import calendar (.ics)..."));
    auto* close = new QPushButton(tr("Close"));
    connect(addRule, &QPushButton::clicked, this, &HolidaysWindow::addRule_Click);
    connect(deleteRule, &QPushButton::clicked, this, &HolidaysWindow::deleteRule_Click);
    connect(importCalendar, &QPushButton::clicked, this, &HolidaysWindow::importCalendar_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto* newRule = new QGroupBox(tr("A date or a range"));
    auto* form = new QGridLayout(newRule);
    form->addWidget(new QLabel(tr("From")), 0, 0);
    form->addWidget(fromDate, 0, 1);
    form->addWidget(new QLabel(tr("to")), 0, 2);
    form->addWidget(toDate, 0, 3);
    form->addWidget(ruleName, 1, 0, 1, 4);
    form->addWidget(noBells, 2, 0, 1, 4);
    form->addWidget(makeUp, 3, 0, 1, 3);
    form->addWidget(makeUpDay, 3, 3);
    form->addWidget(special, 4, 0, 1, 3);
    form->addWidget(specialTemplet, 4, 3);
    form->addWidget(addRule, 5, 3);

    auto* legend = new QHBoxLayout;
    legend->addWidget(swatch(kNoBells, tr("No bells")));
    legend->addWidget(swatch(kMakeUp, tr("Make-up day")));
    legend->addWidget(swatch(kSpecial, tr("Special day")));
    legend->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(calendar);
    left->addLayout(legend);
    left->addWidget(newRule);

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(deleteRule);
    listButtons->addWidget(importCalendar);
    listButtons->addStretch();
    listButtons->addWidget(close);
    auto* right = new QVBoxLayout;
    // A long folder must not widen the window past a small screen.
    auto* title = new QLabel(tr("Rules of %1").arg(QString::fromStdString(file_.string())));
    title->setWordWrap(true);
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title->setToolTip(QString::fromStdString(file_.string()));
    right->addWidget(title);
    right->addWidget(rules, 1);
    right->addWidget(problems);
    subscriptionsBox = new QVBoxLayout;
    right->addLayout(subscriptionsBox);
    right->addLayout(listButtons);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right, 1);
}

void HolidaysWindow::showCalendar() {
    reload();
    show();
    // Wholly on a small screen, the frame included once it is known.
    if (const QScreen* shownOn = screen()) {
        const QRect frame = frameGeometry(), inner = geometry();
        const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                               frame.right() - inner.right(), frame.bottom() - inner.bottom());
        setGeometry(fitOnScreen(shownOn->availableGeometry().marginsRemoved(margins),
                                QSize(900, 520), minimumSizeHint()));
    }
    raise();
    activateWindow();
}

void HolidaysWindow::setSubscriptions(CalendarSubscriptions* calendars) {
    calendars_ = calendars;
    if (!calendars_)
        return;
    connect(calendars_, &CalendarSubscriptions::stateChanged, this, [this] {
        if (isVisible())
            reload();
    });
    connect(calendars_, &CalendarSubscriptions::daysChanged, this, [this] {
        if (isVisible())
            reload();
    });
}

QColor HolidaysWindow::colourOfCalendar(const std::string& name) const {
    const auto& shown = holidays_.subscribed();
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i].calendar == name)
            return kCalendars[i % std::size(kCalendars)];
    return kCalendars[0];
}

void HolidaysWindow::reload() {
    HolidayFile found = readHolidayFile(file_);
    holidays_ = std::move(found.calendar);
    if (calendars_)
        holidays_.setSubscribed(calendars_->days());
    unreadable_ = std::move(found.unreadable);
    showRules();
}

void HolidaysWindow::showRules() {
    rules->clear();
    for (const HolidayRule& rule : holidays_.rules()) {
        auto* item = new QListWidgetItem(ruleText(rule), rules);
        item->setBackground(rule.special() ? kSpecial : rule.makeUp() ? kMakeUp : kNoBells);
    }
    // The subscribed calendars' days follow, not to be deleted here.
    for (const SubscribedDays& days : holidays_.subscribed())
        for (const HolidayRule& rule : days.rules) {
            auto* item =
                new QListWidgetItem(QStringLiteral("%1  [%2]")
                                        .arg(ruleText(rule), QString::fromStdString(days.calendar)),
                                    rules);
            item->setBackground(colourOfCalendar(days.calendar));
            item->setFlags(Qt::ItemIsEnabled);
            item->setToolTip(
                tr("From the subscribed calendar %1").arg(QString::fromStdString(days.calendar)));
        }
    showSubscriptions();
    QStringList lines;
    if (!unreadable_.empty())
        lines << tr("The file cannot be used: %1").arg(QString::fromStdString(unreadable_));
    for (const auto& problem : holidays_.problems())
        lines << (problem.line == 0
                      ? tr("The file cannot be used: %1").arg(QString::fromStdString(problem.why))
                      : tr("Line %1 is not read: %2")
                            .arg(problem.line)
                            .arg(QString::fromStdString(problem.why)));
    problems->setText(lines.join(QLatin1Char('\n')));
    problems->setVisible(!lines.isEmpty());
    for (QWidget* control : std::initializer_list<QWidget*>{addRule, deleteRule, importCalendar})
        control->setEnabled(unreadable_.empty());
    paintMonth();
}

// Only the month on show is painted: a calendar may hold years of ranges.
void HolidaysWindow::paintMonth() {
    calendar->setDateTextFormat(QDate(), QTextCharFormat());
    const QDate first(calendar->yearShown(), calendar->monthShown(), 1);
    for (QDate date = first.addDays(-7); date < first.addDays(44); date = date.addDays(1)) {
        const DayChoice day = holidays_.choose(dayNumber(date));
        if (day.kind == DayChoice::Kind::Ordinary)
            continue;
        QTextCharFormat format;
        format.setBackground(day.calendar.empty() ? colourOf(day.kind)
                                                  : colourOfCalendar(day.calendar));
        format.setToolTip(day.calendar.empty() ? QString::fromStdString(day.name)
                                               : QStringLiteral("%1 (%2)").arg(
                                                     QString::fromStdString(day.name),
                                                     QString::fromStdString(day.calendar)));
        calendar->setDateTextFormat(date, format);
    }
}

// A line per subscription in its colour: its state, and a Yes for a waiting copy.
void HolidaysWindow::showSubscriptions() {
    // Later: the click that took a copy may come from one of these buttons.
    while (QLayoutItem* item = subscriptionsBox->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    if (!calendars_)
        return;
    const QStringList settingProblems = [this] {
        QStringList lines;
        for (const std::string& problem : calendars_->settings().problems)
            lines << QString::fromStdString(problem);
        return lines;
    }();
    if (!settingProblems.isEmpty()) {
        auto* label = new QLabel(settingProblems.join(QLatin1Char('\n')));
        label->setWordWrap(true);
        label->setStyleSheet(QStringLiteral("color: #c0392b;"));
        subscriptionsBox->addWidget(label);
    }
    std::size_t shown = 0;
    for (const CalendarSubscriptions::State& state : calendars_->states()) {
        const QString name = QString::fromStdString(state.subscription.name);
        QString text = tr("Subscribed: %1, %2 rules").arg(name).arg(state.rules.size());
        if (!state.fetched.empty())
            text += tr(", fetched %1").arg(QString::fromStdString(state.fetched));
        if (state.subscription.plainHttp)
            text += tr(" (http: local network only)");
        if (!state.failure.empty())
            text += QLatin1Char('\n') + tr("The last fetch failed: %1; the last good copy is used.")
                                            .arg(QString::fromStdString(state.failure));
        const bool withDays = !state.rules.empty();
        auto* label = new QLabel(text);
        label->setWordWrap(true);
        label->setStyleSheet(
            QStringLiteral("background: %1; padding: 2px 6px;")
                .arg((withDays ? kCalendars[shown++ % std::size(kCalendars)] : QColor(Qt::white))
                         .name()));
        label->setToolTip(QString::fromStdString(state.subscription.url));
        subscriptionsBox->addWidget(label);
        if (!state.waiting)
            continue;
        auto* waiting =
            new QLabel(tr("A new copy of %1 waits: %2\n%3")
                           .arg(name, QString::fromStdString(state.waiting->change.held),
                                QString::fromStdString(state.waiting->change.preview)));
        waiting->setWordWrap(true);
        waiting->setStyleSheet(QStringLiteral("color: #c0392b;"));
        auto* take = new QPushButton(tr("Take the new copy of %1").arg(name));
        take->setObjectName(QStringLiteral("accept ") + name);
        const std::string which = state.subscription.name;
        connect(take, &QPushButton::clicked, this, [this, which] {
            if (messages_.question(tr("Holidays"),
                                   tr("Take the new copy of %1 with the days it changes?")
                                       .arg(QString::fromStdString(which))))
                calendars_->accept(which);
        });
        subscriptionsBox->addWidget(waiting);
        subscriptionsBox->addWidget(take);
    }
}

void HolidaysWindow::addRule_Click() {
    HolidayRule rule;
    rule.first = dayNumber(fromDate->date());
    rule.last = dayNumber(std::max(fromDate->date(), toDate->date()));
    rule.weekday = makeUp->isChecked() ? makeUpDay->currentData().toInt() : 0;
    rule.templet = special->isChecked() ? specialTemplet->currentData().toInt() : 0;
    rule.name = safeName(ruleName->text().toStdString());
    if (rule.special() && !model_.templetHoldsBells(rule.templet)) {
        messages_.information(tr("Warning"), tr("Templet %1 holds no bells: a special day with it "
                                                "would ring nothing. Put its bells in first.")
                                                 .arg(rule.templet));
        return;
    }
    change([&rule](HolidayCalendar& holidays) {
        holidays.add(rule);
        return std::string();
    });
    ruleName->clear();
}

void HolidaysWindow::deleteRule_Click() {
    const int row = rules->currentRow();
    if (row < 0 || !rules->currentItem()->isSelected()) {
        messages_.information(tr("Holidays"), tr("Select a rule to delete."));
        return;
    }
    // The rule as shown, wherever another writer has moved it since.
    const HolidayRule shown = holidays_.rules().at(static_cast<std::size_t>(row));
    change([&shown](HolidayCalendar& holidays) {
        const auto& now = holidays.rules();
        const auto it = std::find_if(now.begin(), now.end(), [&](const HolidayRule& rule) {
            return rule.line() == shown.line();
        });
        if (it != now.end())
            holidays.remove(static_cast<std::size_t>(it - now.begin()));
        return std::string();
    });
}

void HolidaysWindow::importCalendar_Click() {
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Import a holiday calendar"), QString(),
                                     tr("iCalendar files (*.ics);;All files (*)"));
    if (!file.isEmpty())
        importFile(file.toStdString(), dayNumber(QDate::currentDate()));
}

void HolidaysWindow::importFile(const std::filesystem::path& file, std::int64_t today) {
    const QString name = QString::fromStdString(file.filename().string());
    const HolidayImport found = importICalendar(file, today);
    if (!found.error.empty()) {
        messages_.information(
            tr("Holidays"),
            tr("%1 was not imported: %2").arg(name, QString::fromStdString(found.error)));
        return;
    }
    reload();
    if (!unreadable_.empty())
        return;
    // A long calendar is shown in part: the box must fit the screen.
    const HolidayPlan plan = planImport(holidays_, found.rules);
    const QString preview = QString::fromStdString(previewText(found, plan, 25));
    if (!messages_.question(tr("Holidays"),
                            QStringLiteral("%1\n%2\n%3")
                                .arg(name, preview,
                                     plan.looksLikeSchoolDays() ? tr("Import it all the same?")
                                                                : tr("Import these days?"))))
        return;
    std::size_t added = 0;
    change([&](HolidayCalendar& holidays) {
        const HolidayPlan now = planImport(holidays, found.rules);
        applyPlan(holidays, now);
        added = now.added.size();
        return std::string();
    });
    QString text = tr("%1 holidays imported").arg(added);
    if (found.withTimeOfDay > 0)
        text += tr(", %1 events with a time of day skipped").arg(found.withTimeOfDay);
    messages_.information(tr("Holidays"), text);
}

void HolidaysWindow::change(const std::function<std::string(HolidayCalendar&)>& edit) {
    const std::string error = changeHolidayFile(file_, edit);
    if (!error.empty())
        messages_.information(
            tr("Warning"),
            tr("The holidays cannot be saved: %1").arg(QString::fromStdString(error)));
    reload();
    emit changed();
}

}  // namespace tollix
