#pragma once

#include "ui/controls/PictureButton.h"

#include <QDialog>
#include <QLabel>

namespace tollix {

// The warning after internet time failed again and again. Not modal: the
// bells go on while it is up.
class FrmSyncError final : public QDialog {
    Q_OBJECT

  public:
    explicit FrmSyncError(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label5;
    PictureButton* cmdSyncError;
};

}  // namespace tollix
