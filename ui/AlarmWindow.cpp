#include "ui/AlarmWindow.h"

#include "engine/AlarmSignal.h"
#include "platform/Messages.h"
#include "ui/BellIcon.h"
#include "ui/LargePrintWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

namespace tollix {

namespace {

const char* const kSignals[] = {kLockdown, kEvacuation, kAllClear};

// The signals' names as people read them.
QString shownName(const std::string& name) {
    if (name == kLockdown)
        return AlarmWindow::tr("Lockdown");
    if (name == kEvacuation)
        return AlarmWindow::tr("Evacuation");
    return AlarmWindow::tr("All clear");
}

// The bell in the tray turned red while a signal sounds.
QIcon redBell() {
    QImage image = drawBell(64);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(image.rect(), QColor(220, 0, 0, 190));
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace

AlarmWindow::AlarmWindow(AlarmSignal& alarm, Messages& messages, QWidget* parent)
    : QDialog(parent), alarm_(alarm), messages_(messages) {
    setObjectName(QStringLiteral("AlarmWindow"));
    setWindowTitle(tr("Alarms"));
    auto* column = new QVBoxLayout(this);
    auto* orders = new QGridLayout;
    lockdown = new QPushButton(tr("Lockdown..."));
    evacuation = new QPushButton(tr("Evacuation..."));
    allClear = new QPushButton(tr("All clear"));
    for (QPushButton* button : {lockdown, evacuation}) {
        button->setMinimumHeight(44);
        button->setStyleSheet(QStringLiteral(
            "QPushButton { background: #b00000; color: white; font-weight: bold; }"));
    }
    allClear->setMinimumHeight(44);
    orders->addWidget(lockdown, 0, 0);
    orders->addWidget(evacuation, 0, 1);
    orders->addWidget(allClear, 0, 2);
    column->addLayout(orders);
    connect(lockdown, &QPushButton::clicked, this, [this] { give(kLockdown); });
    connect(evacuation, &QPushButton::clicked, this, [this] { give(kEvacuation); });
    connect(allClear, &QPushButton::clicked, this, [this] { alarm_.order(kAllClear, "window"); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Signal")), 0, 0);
    grid->addWidget(new QLabel(tr("Sound")), 0, 1);
    grid->addWidget(new QLabel(tr("Again after (s, 0: at once)")), 0, 2);
    for (int row = 0; row < 3; ++row) {
        auto* sound = new QComboBox;
        auto* repeat = new QSpinBox;
        repeat->setRange(0, 3600);
        repeat->setEnabled(row < 2);  // All clear plays once
        auto* tryIt = new QPushButton(tr("Try"));
        grid->addWidget(new QLabel(shownName(kSignals[row])), row + 1, 0);
        grid->addWidget(sound, row + 1, 1);
        grid->addWidget(repeat, row + 1, 2);
        grid->addWidget(tryIt, row + 1, 3);
        sounds_.push_back(sound);
        repeats_.push_back(repeat);
        connect(sound, &QComboBox::currentIndexChanged, this, [this, row] { save(row); });
        connect(repeat, &QSpinBox::valueChanged, this, [this, row] { save(row); });
        connect(tryIt, &QPushButton::clicked, this, [this, row] {
            if (!alarm_.tryOut(kSignals[row]))
                messages_.information(tr("Alarms"),
                                      tr("The sound cannot be tried now: a bell or a signal "
                                         "sounds, or the file cannot be played."));
        });
    }
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);
    connect(&alarm_, &AlarmSignal::changed, this, [this] { reload(); });
    reload();
    resize(620, sizeHint().height());
}

AlarmWindow* AlarmWindow::showFor(QWidget* parent, AlarmSignal& alarm, Messages& messages) {
    auto* window = parent->findChild<AlarmWindow*>();
    if (!window)
        window = new AlarmWindow(alarm, messages, parent);
    window->reload();
    window->show();
    window->raise();
    return window;
}

// A slip of the hand must not send a school into lockdown: No is the default.
void AlarmWindow::give(const char* name) {
    if (messages_.question(tr("Alarms"),
                           tr("Sound the %1 signal on every speaker now?\nEvery bell is held "
                              "until All clear.")
                               .arg(shownName(name)),
                           false))
        alarm_.order(name, "window");
}

void AlarmWindow::reload() {
    filling_ = true;
    const auto choices = alarm_.soundChoices();
    for (std::size_t row = 0; row < 3; ++row) {
        const AlarmSound& signal = alarm_.settings().of(kSignals[row]);
        QComboBox* sound = sounds_[row];
        sound->clear();
        for (const auto& choice : choices) sound->addItem(QString::fromStdString(choice));
        if (sound->findText(QString::fromStdString(signal.sound)) < 0)
            sound->addItem(QString::fromStdString(signal.sound));
        sound->setCurrentText(QString::fromStdString(signal.sound));
        repeats_[row]->setValue(signal.repeatSeconds);
    }
    const bool active = !alarm_.active().empty();
    allClear->setEnabled(active);
    filling_ = false;
}

void AlarmWindow::save(int row) {
    if (filling_)
        return;
    const auto at = static_cast<std::size_t>(row);
    const std::string error =
        alarm_.set({kSignals[at], sounds_[at]->currentText().toStdString(), repeats_[at]->value()});
    if (!error.empty())
        messages_.information(
            tr("Alarms"),
            tr("The setting could not be saved: %1").arg(QString::fromStdString(error)));
}

// ---- The banner -----------------------------------------------------------------

AlarmBanner::AlarmBanner(QWidget& over, AlarmSignal& alarm, Messages* messages)
    : QFrame(&over), over_(over) {
    setObjectName(QStringLiteral("alarmBanner"));
    setAttribute(Qt::WA_StyledBackground);
    // The windows' own style sheets set their labels' fonts: this one's wins over them.
    setStyleSheet(
        QStringLiteral("#alarmBanner { background: #c00000; }"
                       "#alarmBanner QLabel { color: white; background: transparent; }"
                       "#alarmNote { font-size: 20pt; }"));
    auto* column = new QVBoxLayout(this);
    column->addStretch();
    name_ = new QLabel;
    name_->setObjectName(QStringLiteral("alarmName"));
    name_->setAlignment(Qt::AlignCenter);
    note_ = new QLabel(tr("Every bell is held until All clear."));
    note_->setObjectName(QStringLiteral("alarmNote"));
    note_->setAlignment(Qt::AlignCenter);
    column->addWidget(name_);
    column->addWidget(note_);
    if (messages) {
        auto* clear = new QPushButton(tr("All clear..."));
        clear->setObjectName(QStringLiteral("alarmAllClear"));
        clear->setMinimumSize(220, 48);
        clear->setStyleSheet(QStringLiteral("font-size: 16pt;"));
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(clear);
        row->addStretch();
        column->addSpacing(24);
        column->addLayout(row);
        connect(clear, &QPushButton::clicked, this, [&alarm, messages] {
            if (messages->question(tr("All clear"), tr("End the signal and ring the bells again?"),
                                   false))
                alarm.order(kAllClear, "window");
        });
    }
    column->addStretch();
    over.installEventFilter(this);
    connect(&alarm, &AlarmSignal::changed, this, &AlarmBanner::show);
    show(QString::fromStdString(alarm.active()));
}

// Below the main window's title bar, whose buttons still take it to the tray.
void AlarmBanner::place() {
    QRect area = over_.rect();
    if (const auto* title = over_.findChild<QWidget*>(QStringLiteral("Picture1")))
        area.setTop(title->geometry().bottom() + 1);
    setGeometry(area);
    fitName();
}

void AlarmBanner::fitName() {
    QFont font = name_->font();
    font.setBold(true);
    const int room = width() - 32;
    for (int size = over_.width() > 1000 ? 72 : 48; size > 12; size -= 4) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(name_->text()) <= room)
            break;
    }
    name_->setFont(font);
}

void AlarmBanner::show(const QString& active) {
    name_->setText(shownName(active.toStdString()).toUpper());
    place();
    setVisible(!active.isEmpty());
    raise();
}

bool AlarmBanner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &over_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        place();
    return QFrame::eventFilter(watched, event);
}

void AlarmBanner::follow(QWidget& main, QSystemTrayIcon* tray, AlarmSignal& alarm,
                         Messages& messages) {
    new AlarmBanner(main, alarm, &messages);
    // The other buildings out of reach: said under the state, as a bell not heard is.
    if (auto* state = main.findChild<QWidget*>(QStringLiteral("frameState"));
        state && state->layout()) {
        auto* link = new QLabel(alarm.linkProblem());
        link->setObjectName(QStringLiteral("alarmLink"));
        link->setWordWrap(true);
        link->setStyleSheet(QStringLiteral("color: #c00000;"));
        link->setVisible(!alarm.linkProblem().isEmpty());
        state->layout()->addWidget(link);
        QObject::connect(&alarm, &AlarmSignal::linkChanged, link, [link](const QString& problem) {
            link->setText(problem);
            link->setVisible(!problem.isEmpty());
        });
    }
    const auto mark = [&alarm, tray](const QString& active) {
        if (tray)
            tray->setIcon(active.isEmpty() ? bellIcon() : redBell());
        if (tray)
            tray->setToolTip(active.isEmpty()
                                 ? QStringLiteral("TOLLIX")
                                 : QStringLiteral("TOLLIX: ") + shownName(active.toStdString()));
        // A large-print window over the whole screen shows it too.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* large = qobject_cast<LargePrintWindow*>(window);
                large && !large->findChild<AlarmBanner*>())
                new AlarmBanner(*large, alarm, nullptr);
    };
    QObject::connect(&alarm, &AlarmSignal::changed, &main, mark);
    // One opened while the signal sounds gets its banner within a second.
    auto* watch = new QTimer(&main);
    QObject::connect(watch, &QTimer::timeout, &main, [&alarm, mark] {
        if (!alarm.active().empty())
            mark(QString::fromStdString(alarm.active()));
    });
    watch->start(1000);
    mark(QString::fromStdString(alarm.active()));
}

}  // namespace tollix
