#pragma once

#include "ui/controls/Choices.h"
#include "ui/controls/PictureButton.h"

#include <QDialog>

namespace tollix {

// "Auto execution": how an automatic start shows the program.
class isAutoModeForm final : public QDialog {
    Q_OBJECT

  public:
    explicit isAutoModeForm(QWidget* parent = nullptr);

    OptionButton* isAutoMode1;  // "Execution to monitor"
    OptionButton* isAutoMode2;  // "Execution to tray icon"
    PictureButton* isAutoConfirm;

    void isAutoConfirm_Click() { hide(); }
};

}  // namespace tollix
