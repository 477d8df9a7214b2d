#include "ui/HelpWindow.h"

#include <QVBoxLayout>

namespace tollix {

HelpWindow::HelpWindow(const QString& name, const QString& title, const QString& body,
                       const QString& closeName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);
    setStyleSheet(QStringLiteral("#%1 { background: #eef3f8; }").arg(name));
    text = new QLabel(body);
    text->setObjectName(QStringLiteral("text"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setFixedWidth(520);
    text->setStyleSheet(QStringLiteral("font-size: 14px; color: #1b2733;"));
    close = new PictureButton(QStringLiteral("closeWin"), QStringLiteral("closeWin1"));
    close->setObjectName(closeName);
    close->setCaption(tr("Close"));
    connect(close, &PictureButton::clicked, this, &QDialog::hide);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 18, 20, 14);
    column->addWidget(text);
    column->addWidget(close, 0, Qt::AlignHCenter);
}

QString help1Text(const QString& soundFolder) {
    return (HelpWindow::tr(
                "<h3>Points of caution</h3>"
                "<p><b>The clock is the 24-hour clock.</b> 5 PM is 17 hr, midnight is 0 hr. A "
                "bell at 17 hr 30 min rings at half past five in the afternoon.</p>"
                "<p><b>Sounds</b> are the .mp3, .wav, .wma, .ogg and .flac files in the sound "
                "folder:<br>%1<br>Copy your bells there, or use \"Add sound...\" under the list: "
                "the list of sounds follows the folder while TOLLIX runs.</p>"
                "<p><b>Auto interval</b> makes the bells for you: from the start time, a work "
                "bell, then after the work time a rest bell, then after the rest time the next "
                "work bell, and so on until the end time. <b>Manual input</b> rings only the "
                "times you add to the list, each with its own sound.</p>"
                "<p><b>No com sound</b> keeps the speakers silent between bells, so music or "
                "videos of other programs are not heard in class. The speakers are on for each "
                "bell and again when TOLLIX ends.</p>") +
            HelpWindow::tr(
                "<h3>Keyboard</h3>"
                "<p><b>Ctrl+S</b> Start, <b>Ctrl+T</b> Stop, <b>Ctrl+R</b> Ring now, <b>Esc</b> "
                "stops the bell that sounds. <b>Enter</b> in the minute field adds the time, "
                "<b>Del</b> in the list deletes the selected time. <b>Tab</b> goes from control "
                "to control; the arrow keys and the mouse wheel change the numbers.</p>"))
        .arg(soundFolder.toHtmlEscaped());
}

QString playMusicText(const QString& soundFolder) {
    return HelpWindow::tr(
               "<h3>Play music list</h3>"
               "<p>A bell can be a list of music instead of one sound, for example during a "
               "break.</p>"
               "<p>Make a folder inside the sound folder (%1) and name it with the number of "
               "minutes it plays, an underscore and a name: <b>15_lunch</b> plays for 15 "
               "minutes.</p>"
               "<p>Put .mp3, .wav, .wma, .ogg or .flac files in it. They play one after another "
               "in the order "
               "of their names, and again from the first until the minutes are over. A file "
               "whose name starts with <b>##</b> plays once at the beginning.</p>"
               "<p>In the last four seconds the music fades out. A new folder appears in the list "
               "of sounds by itself, a moment after it is made.</p>")
        .arg(soundFolder.toHtmlEscaped());
}

QString info1Text(const QString& version, const QString& programFolder, const QString& ringLog) {
    return HelpWindow::tr(
               "<h3>TOLLIX %1</h3>"
               "<p>The bell ringer for schools and workplaces.</p>"
               "<p><b>Program folder</b> (settings and sounds):<br>%2</p>"
               "<p><b>Ring record</b> (every bell and what became of it):<br>%3</p>"
               "<p>Copyright 2026 the Tollix developers. All rights reserved.</p>")
        .arg(version.toHtmlEscaped(), programFolder.toHtmlEscaped(), ringLog.toHtmlEscaped());
}

}  // namespace tollix
