#pragma once

#include "ui/controls/PictureButton.h"

#include <QDialog>

#include <array>

namespace tollix {

// "Select templet": copies one of the six stored lists into the list being
// edited. The main window does the copying; this window only offers the choice.
class templet final : public QDialog {
    Q_OBJECT

  public:
    explicit templet(QWidget* parent = nullptr);

    // applyTemplet1 … applyTemplet6.
    std::array<PictureButton*, 6> applyTemplets{};
    PictureButton* closewindow;

    void closewindow_Click() { hide(); }

  signals:
    // Template 1..6 was chosen.
    void apply(int number);
};

}  // namespace tollix
