#pragma once

#include "platform/Mixer.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tollix {

class ScheduleModel;

// "Outputs": the sound server's outputs by their description, a check box
// each; the bells play on those ticked (none: the default output). "Test"
// rings the selected bell on them.
class OutputsWindow final : public QDialog {
    Q_OBJECT

  public:
    OutputsWindow(ScheduleModel& model, Mixer& mixer, std::function<void()> ringSelected,
                  QWidget* parent = nullptr);

    // The one window of `parent`, made on first use, shown with the outputs as they are now.
    static OutputsWindow* showFor(QWidget* parent, ScheduleModel& model, Mixer& mixer,
                                  std::function<void()> ringSelected);

    // The server's outputs, and those listed that it lacks, ticked as listed.
    void reload();

    QListWidget* outputList;
    QPushButton* test;

  private:
    void ticked(QListWidgetItem* item);

    ScheduleModel& model_;
    Mixer& mixer_;
    bool filling_ = false;
};

}  // namespace tollix
