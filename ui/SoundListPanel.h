#pragma once

#include "sound/SoundFolder.h"

#include <QObject>

#include <filesystem>
#include <string>
#include <vector>

class QWidget;

namespace tollix {

class BellEngine;
class Messages;
class ScheduleModel;
class Speech;
struct MainForm;

// The main window's sound list: it follows the sound folder while the
// program runs, takes sounds in ("Add sound...") and plays the selected one
// for a test ("Play" / "Stop").
class SoundListPanel final : public QObject {
    Q_OBJECT

  public:
    SoundListPanel(QWidget& window, MainForm& form, BellEngine& engine, ScheduleModel& model,
                   Messages& messages, std::filesystem::path folder, Speech* speech = nullptr);

    // The files go into the sound folder, a different sound of the same name
    // replaced only when the operator says so; the first is selected.
    void addFiles(const std::vector<std::filesystem::path>& files);

  private:
    // The selected sound stays selected.
    void showList(const std::vector<std::string>& list);
    void select(const QString& name);
    // Spoken sounds that cannot be spoken say why.
    void markUnspoken();

    QWidget& window_;
    MainForm& form_;
    BellEngine& engine_;
    ScheduleModel& model_;
    Messages& messages_;
    std::filesystem::path folder_;
    sound::SoundFolderWatch watch_;
    Speech* speech_;
};

}  // namespace tollix
