#include "ui/FrmCountDown.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tollix {

namespace {

QLineEdit* field(const char* name, const char* initial) {
    auto* edit = new QLineEdit(QString::fromLatin1(initial));
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(52);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

SpinButton* spin(const char* name, int top) {
    auto* spin = new SpinButton(0, top, 0, SpinButton::TopArrow::CountsUp);
    spin->setObjectName(QLatin1String(name));
    return spin;
}

PictureButton* button(const char* name, const char* picture, const QString& caption) {
    auto* b = new PictureButton(QLatin1String(picture), QLatin1String(picture) + QLatin1Char('1'));
    b->setObjectName(QLatin1String(name));
    b->setCaption(caption);
    return b;
}

}  // namespace

FrmCountDown::FrmCountDown(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), fullScreen_(new FrmFullScreen(this)) {
    setObjectName(QStringLiteral("FrmCountDown"));
    setWindowTitle(tr("Countdown"));
    setModal(true);
    setStyleSheet(QStringLiteral("#FrmCountDown { background: #eef3f8; }"));

    input_h = field("input_h", "1");
    input_m = field("input_m", "0");
    input_s = field("input_s", "0");
    VScroll7 = spin("VScroll7", 100);
    VScroll8 = spin("VScroll8", 60);
    VScroll1 = spin("VScroll1", 60);
    bindWrappingSpin(VScroll7, input_h, 100);
    bindWrappingSpin(VScroll8, input_m, 60);
    bindWrappingSpin(VScroll1, input_s, 60);

    auto* frame = new QGroupBox(tr("Countdown"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* row = new QHBoxLayout(frame);
    static const char* const kNames[] = {QT_TR_NOOP("Hours"), QT_TR_NOOP("Minutes"),
                                         QT_TR_NOOP("Seconds")};
    const std::pair<const char*, const char*> captions[] = {{"Label15", QT_TR_NOOP("hr")},
                                                            {"Label16", QT_TR_NOOP("min")},
                                                            {"Label1", QT_TR_NOOP("sec")}};
    QLineEdit* fields[] = {input_h, input_m, input_s};
    SpinButton* spins[] = {VScroll7, VScroll8, VScroll1};
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(tr(captions[i].second));
        caption->setObjectName(QLatin1String(captions[i].first));
        fields[i]->setAccessibleName(tr(kNames[i]));
        spins[i]->setAccessibleName(tr(kNames[i]));
        row->addWidget(fields[i]);
        row->addWidget(spins[i]);
        row->addWidget(caption);
        row->addSpacing(8);
    }

    txtShowCount = new QLineEdit(QStringLiteral("00:00:00"));
    txtShowCount->setObjectName(QStringLiteral("txtShowCount"));
    txtShowCount->setReadOnly(true);
    txtShowCount->setAccessibleName(tr("Time left"));
    txtShowCount->setAlignment(Qt::AlignCenter);
    txtShowCount->setStyleSheet(QStringLiteral("font-size: 34px; font-weight: bold;"));
    txtShowCount->setVisible(false);

    cmdStartCount = button("cmdStartCount", "StartCount", tr("Start"));
    cmdPause = button("cmdPause", "Pause", tr("Pause"));
    cmdRePlay = button("cmdRePlay", "RePlay", tr("Resume"));
    cmdCountExit = button("cmdCountExit", "CountExit", tr("Reset"));
    cmdAllWin = button("cmdAllWin", "AllWin", tr("Full screen"));
    cmdClose = button("cmdClose", "closeWin", tr("Close"));
    for (QWidget* hidden : {static_cast<QWidget*>(cmdPause), static_cast<QWidget*>(cmdRePlay),
                            static_cast<QWidget*>(cmdCountExit), static_cast<QWidget*>(cmdAllWin)})
        hidden->setVisible(false);
    auto* buttons = new QHBoxLayout;
    for (PictureButton* b : {cmdStartCount, cmdPause, cmdRePlay, cmdAllWin, cmdCountExit, cmdClose})
        buttons->addWidget(b);

    auto* column = new QVBoxLayout(this);
    column->addWidget(frame);
    column->addWidget(txtShowCount);
    column->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);

    connect(Timer1, &QTimer::timeout, this, &FrmCountDown::Timer1_Timer);
    connect(cmdStartCount, &PictureButton::clicked, this, &FrmCountDown::cmdStartCount_Click);
    connect(cmdPause, &PictureButton::clicked, this, &FrmCountDown::cmdPause_Click);
    connect(cmdRePlay, &PictureButton::clicked, this, &FrmCountDown::cmdRePlay_Click);
    connect(cmdCountExit, &PictureButton::clicked, this, &FrmCountDown::cmdCountExit_Click);
    connect(cmdAllWin, &PictureButton::clicked, this, &FrmCountDown::cmdAllWin_Click);
    connect(cmdClose, &PictureButton::clicked, this, &QDialog::hide);
    // The full-screen buttons drive this window's count.
    connect(fullScreen_->cmdPause, &QPushButton::clicked, this, [this] {
        cmdPause_Click();
        fullScreen_->cmdPause->setVisible(false);
        fullScreen_->cmdRePlay->setVisible(true);
    });
    connect(fullScreen_->cmdRePlay, &QPushButton::clicked, this, [this] {
        cmdRePlay_Click();
        fullScreen_->cmdPause->setVisible(true);
        fullScreen_->cmdRePlay->setVisible(false);
    });
}

void FrmCountDown::show(const std::string& text) {
    fullScreen_->lblTimeShow->setText(QString::fromStdString(text));
    txtShowCount->setText(fullScreen_->lblTimeShow->text());
}

void FrmCountDown::setRunning(bool running) {
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}

void FrmCountDown::cmdStartCount_Click() {
    const std::string h = input_h->text().toStdString();
    const std::string m = input_m->text().toStdString();
    const std::string s = input_s->text().toStdString();
    if (const auto refused = countdown::CheckEntry(h, m, s)) {
        messages_.information(tr("Warning"),
                              QCoreApplication::translate("Countdown", refused->c_str()));
        return;
    }
    for (QWidget* b : {static_cast<QWidget*>(fullScreen_->cmdPause),
                       static_cast<QWidget*>(fullScreen_->cmdRePlay),
                       static_cast<QWidget*>(cmdPause), static_cast<QWidget*>(cmdRePlay)})
        b->setEnabled(true);
    count_.start(h, m, s);
    setRunning(true);
    cmdPause->setVisible(true);
    cmdAllWin->setVisible(true);
    cmdCountExit->setVisible(true);
    cmdStartCount->setVisible(false);
    cmdClose->setVisible(false);
    cmdRePlay->setVisible(false);
    txtShowCount->setVisible(true);
    show(count_.text());
}

void FrmCountDown::Timer1_Timer() {
    const bool zero = count_.tick();
    show(count_.text());
    if (!zero)
        return;
    setRunning(false);
    for (QWidget* b : {static_cast<QWidget*>(fullScreen_->cmdPause),
                       static_cast<QWidget*>(fullScreen_->cmdRePlay),
                       static_cast<QWidget*>(cmdPause), static_cast<QWidget*>(cmdRePlay)})
        b->setEnabled(false);
    emit ringNow();
}

void FrmCountDown::cmdPause_Click() {
    cmdRePlay->setVisible(true);
    cmdPause->setVisible(false);
    count_.pause();
    setRunning(false);
}

void FrmCountDown::cmdRePlay_Click() {
    cmdRePlay->setVisible(false);
    cmdPause->setVisible(true);
    count_.resume();
    setRunning(true);
}

void FrmCountDown::cmdCountExit_Click() {
    setRunning(false);
    count_.exit();
    for (QWidget* b : {static_cast<QWidget*>(cmdPause), static_cast<QWidget*>(cmdAllWin),
                       static_cast<QWidget*>(cmdCountExit), static_cast<QWidget*>(cmdRePlay)})
        b->setVisible(false);
    cmdStartCount->setVisible(true);
    cmdClose->setVisible(true);
    txtShowCount->setVisible(false);
    fullScreen_->cmdPause->setVisible(true);
    fullScreen_->cmdRePlay->setVisible(false);
}

void FrmCountDown::reject() {
    if (count_.state() != countdown::Countdown::State::Entry)
        cmdCountExit_Click();
    QDialog::reject();
}

void FrmCountDown::cmdAllWin_Click() {
    fullScreen_->showLarge();
}

}  // namespace tollix
