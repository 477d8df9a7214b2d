#include "ui/isAutoModeForm.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace tollix {

isAutoModeForm::isAutoModeForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("isAutoModeForm"));
    setWindowTitle(tr("Auto execution"));
    setModal(true);

    auto* frame = new QGroupBox(tr("Auto execution way"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    isAutoMode2 = new OptionButton(tr("Execution to tray icon"), frame);
    isAutoMode2->setObjectName(QStringLiteral("isAutoMode2"));
    isAutoMode1 = new OptionButton(tr("Execution to monitor"), frame);
    isAutoMode1->setObjectName(QStringLiteral("isAutoMode1"));
    isAutoMode1->setChecked(true);
    auto* options = new QVBoxLayout(frame);
    options->addWidget(isAutoMode2);
    options->addWidget(isAutoMode1);

    isAutoConfirm = new PictureButton(QStringLiteral("confirm"), QStringLiteral("confirm1"));
    isAutoConfirm->setObjectName(QStringLiteral("isAutoConfirm"));
    isAutoConfirm->setCaption(tr("Confirm"));
    connect(isAutoConfirm, &PictureButton::clicked, this, &isAutoModeForm::isAutoConfirm_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(isAutoConfirm, 0, Qt::AlignHCenter);
}

}  // namespace tollix
