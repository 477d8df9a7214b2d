#include "ui/SoundListPanel.h"

#include "engine/BellEngine.h"
#include "model/ScheduleModel.h"
#include "platform/Speech.h"
#include "ui/MainForm.h"

#include <QFileDialog>
#include <QSignalBlocker>
#include <QTimer>

namespace tollix {

SoundListPanel::SoundListPanel(QWidget& window, MainForm& form, BellEngine& engine,
                               ScheduleModel& model, Messages& messages,
                               std::filesystem::path folder, Speech* speech)
    : QObject(&window),
      window_(window),
      form_(form),
      engine_(engine),
      model_(model),
      messages_(messages),
      folder_(std::move(folder)),
      watch_(folder_),
      speech_(speech) {
    if (speech_)
        connect(speech_, &Speech::rendered, this, &SoundListPanel::markUnspoken);
    // The list is filled at start-up, after this.
    QTimer::singleShot(0, this, &SoundListPanel::markUnspoken);
    connect(&watch_, &sound::SoundFolderWatch::changed, this,
            [this](const std::vector<std::string>& list) { showList(list); });
    connect(form.addSound, &QPushButton::clicked, this, [this] {
        const QStringList chosen =
            QFileDialog::getOpenFileNames(&window_, tr("Add sound"), QString(),
                                          tr("Sounds (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 "
                                             "*.WAV *.WMA *.OGG *.FLAC *.SAY)"));
        std::vector<std::filesystem::path> files;
        for (const QString& file : chosen) files.emplace_back(file.toStdString());
        addFiles(files);
    });
    connect(form.playSound, &QPushButton::clicked, this, [this] {
        const int index = form_.fileList->ListIndex();
        if (engine_.testPlaying() || index < 0)
            engine_.stopTest();
        else if (!engine_.playTest(form_.fileList->text(index).toStdString()))
            messages_.information(tr("Warning"), engine_.isPlaying
                                                     ? tr("A bell is sounding.")
                                                     : tr("The sound could not be played."));
    });
    connect(&engine, &BellEngine::testChanged, this,
            [this](bool playing) { form_.playSound->setText(playing ? tr("Stop") : tr("Play")); });
}

void SoundListPanel::addFiles(const std::vector<std::filesystem::path>& files) {
    QString first, failed;
    for (const sound::AddedSound& sound :
         sound::addSounds(files, folder_, [this](const std::string& name) {
             return messages_.question(tr("Add sound"),
                                       tr("The sound folder holds another %1. Replace it?")
                                           .arg(QString::fromStdString(name)));
         })) {
        const QString name = QString::fromStdString(sound.name);
        if (sound.added == sound::Added::Failed)
            failed += QStringLiteral("\n%1: %2").arg(name, QString::fromStdString(sound.error));
        else if (first.isEmpty())
            first = name;
    }
    if (!failed.isEmpty())
        messages_.information(tr("Warning"), tr("Not added:%1").arg(failed));
    if (!first.isEmpty()) {
        watch_.look();
        select(first);
    }
}

void SoundListPanel::showList(const std::vector<std::string>& list) {
    SortedListBox* box = form_.fileList;
    const QString kept = box->ListIndex() < 0 ? QString() : box->text(box->ListIndex());
    {
        const QSignalBlocker quiet(box);
        box->clear();
        box->AddItems(list);
    }
    select(kept);
    markUnspoken();
}

void SoundListPanel::markUnspoken() {
    if (!speech_)
        return;
    SortedListBox* box = form_.fileList;
    for (int row = 0; row < box->count(); ++row) {
        QListWidgetItem* item = box->item(row);
        const auto problem = speech_->problems().find(item->text().toStdString());
        const bool unspoken = problem != speech_->problems().end();
        item->setForeground(unspoken ? QBrush(Qt::red) : QBrush());
        item->setToolTip(
            unspoken ? tr("Cannot be spoken: %1").arg(QString::fromStdString(problem->second))
                     : QString());
    }
}

void SoundListPanel::select(const QString& name) {
    SortedListBox* box = form_.fileList;
    const auto found = box->findItems(name, Qt::MatchExactly);
    {
        const QSignalBlocker quiet(box);
        box->setListIndex(name.isEmpty() || found.isEmpty() ? -1 : box->row(found.first()));
    }
    // data.ini keeps the place in the list: it must go on naming the same sound.
    if (box->ListIndex() != model_.general().fileListIndex) {
        model_.selectSound(box->ListIndex());
        model_.saveGeneral();
    }
}

}  // namespace tollix
