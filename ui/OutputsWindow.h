#pragma once

#include "platform/Mixer.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;

namespace tollix {

class ScheduleModel;

// "Outputs": the sound server's outputs by their description, a check box
// each; the bells play on those ticked (none: the default output). Relays
// and IP-speaker streams of the list are shown below them, added and
// removed here. "Test" rings the selected bell on the outputs ticked, or
// tries the selected relay or stream alone.
class OutputsWindow final : public QDialog {
    Q_OBJECT

  public:
    // `testOne`: tries one relay or stream line; false when it cannot now.
    using TestOne = std::function<bool(const std::string& line)>;
    OutputsWindow(ScheduleModel& model, Mixer& mixer, std::function<void()> ringSelected,
                  TestOne testOne = {}, QWidget* parent = nullptr);

    // The one window of `parent`, made on first use, shown with the outputs as they are now.
    static OutputsWindow* showFor(QWidget* parent, ScheduleModel& model, Mixer& mixer,
                                  std::function<void()> ringSelected, TestOne testOne = {});

    // The server's outputs, and those listed that it lacks, ticked as listed.
    void reload();

    QListWidget* outputList;
    QPushButton* test;
    QPushButton* remove;
    QLineEdit* relayOn;
    QLineEdit* relayOff;
    QSpinBox* relayHold;
    QPushButton* addRelay;
    QLineEdit* streamGroup;
    QSpinBox* streamPort;
    QPushButton* addStream;
    QLabel* problem;

  private:
    void ticked(QListWidgetItem* item);
    void add(const std::string& line, const std::string& why);
    void testClicked();
    std::string selectedLine() const;

    ScheduleModel& model_;
    Mixer& mixer_;
    std::function<void()> ringSelected_;
    TestOne testOne_;
    bool filling_ = false;
};

}  // namespace tollix
