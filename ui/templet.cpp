#include "ui/templet.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace tollix {

templet::templet(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("templet"));
    setWindowTitle(tr("Select templet"));
    setModal(true);

    auto* frame = new QGroupBox(tr("Select templet"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setSpacing(8);
    for (int k = 1; k <= 6; ++k) {
        auto* button = new PictureButton(QStringLiteral("applyTemplet%1").arg(k),
                                         QStringLiteral("applyTempletDown%1").arg(k));
        button->setObjectName(QStringLiteral("applyTemplet%1").arg(k));
        button->setCaption(tr("Templet %1").arg(k));
        connect(button, &PictureButton::clicked, this, [this, k] { emit apply(k); });
        grid->addWidget(button, (k - 1) / 3, (k - 1) % 3);
        applyTemplets[static_cast<std::size_t>(k - 1)] = button;
    }

    closewindow =
        new PictureButton(QStringLiteral("templetWinClose"), QStringLiteral("templetWinClose1"));
    closewindow->setObjectName(QStringLiteral("closewindow"));
    closewindow->setCaption(tr("Close"));
    connect(closewindow, &PictureButton::clicked, this, &templet::closewindow_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(closewindow, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

}  // namespace tollix
