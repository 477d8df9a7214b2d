#pragma once

#include "platform/Messages.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/SpinButton.h"

#include <QDialog>
#include <QLineEdit>

#include <functional>

namespace tollix {

// "Reservation computer exit": the time of day at which the computer is
// switched off.
class isAutoExitForm final : public QDialog {
    Q_OBJECT

  public:
    isAutoExitForm(Messages& messages, QWidget* parent = nullptr);

    // The fields show the stored time, as the file holds it.
    void Form_Load(const QString& hour, const QString& minute);
    void isAutoExitConfirm_Click();

    QLineEdit* input_h;
    QLineEdit* input_m;
    SpinButton* VScroll1;
    SpinButton* VScroll2;
    PictureButton* isAutoExitConfirm;

  signals:
    // A valid time was confirmed.
    void confirmed(int hour, int minute);

  private:
    Messages& messages_;
};

}  // namespace tollix
