// Makes the screenshots of the countdown windows for docs/, at the size of
// the display it runs on. Run by hand when the windows change:
//   Xvfb :9 -screen 0 1280x800x24 & DISPLAY=:9 build/docshots docs
#include "platform/Messages.h"
#include "ui/FrmCountDown.h"
#include "ui/LargePrintWindow.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

namespace {

class NoMessages final : public tollix::Messages {
  protected:
    void showInformation(const QString&, const QString&) override {}
    bool askQuestion(const QString&, const QString&, bool) override { return false; }
};

bool save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();
    const QString file =
        QStringLiteral("%1/%2-%3x%4.png").arg(folder, name).arg(size.width()).arg(size.height());
    std::printf("%s\n", file.toLocal8Bit().constData());
    return window.grab().save(file);
}

void fill(tollix::LargePrintWindow& window) {
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    NoMessages messages;

    tollix::FrmCountDown countdown(messages);
    countdown.input_h->setText(QStringLiteral("0"));
    countdown.input_m->setText(QStringLiteral("45"));
    countdown.cmdStartCount_Click();
    for (int i = 0; i < 23; ++i) countdown.Timer1_Timer();
    countdown.Timer1->stop();
    bool ok = save(countdown, folder, QStringLiteral("countdown"));

    tollix::FrmFullScreen& full = *countdown.fullScreen();
    full.lblNowTimeShow->setText(QStringLiteral("10:47:20AM"));
    fill(full);
    ok = save(full, folder, QStringLiteral("countdown-full-screen")) && ok;

    tollix::FrmBellCount next;
    next.lblTimeShow->setText(QStringLiteral("00:12:40"));
    next.lblNowTimeShow->setText(QStringLiteral("10:47:20AM"));
    fill(next);
    ok = save(next, folder, QStringLiteral("next-bell-full-screen")) && ok;
    return ok ? 0 : 1;
}
