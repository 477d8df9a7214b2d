#include "ui/FrmSyncError.h"

#include <QVBoxLayout>

namespace tollix {

FrmSyncError::FrmSyncError(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmSyncError"));
    setWindowTitle(QStringLiteral("TOLLIX"));
    setModal(false);
    setStyleSheet(
        QStringLiteral("#FrmSyncError { background: #eef3f8; } QLabel { font-size: 14px; "
                       "color: #1b2733; }"));
    const auto line = [](const char* name, const QString& text) {
        auto* label = new QLabel(text);
        label->setObjectName(QLatin1String(name));
        label->setWordWrap(true);
        label->setFixedWidth(480);
        return label;
    };
    Label1 =
        line("Label1",
             tr("Because failure of connecting in the Internet time server, it cannot fix time."));
    Label2 = line("Label2", tr("Please confirm network condition which probably is normal."));
    Label3 =
        line("Label3", tr("If this warning window are opened frequently, it means that the network "
                          "condition is unstable. therefore, you not be able to use internet time "
                          "function."));
    Label5 = line("Label5",
                  tr("So, please cancel the check box [Internet time] of TOLLIX main window."));
    Label1->setStyleSheet(QStringLiteral("font-weight: bold; color: #c0392b;"));
    cmdSyncError = new PictureButton(QStringLiteral("closeWin"), QStringLiteral("closeWin1"));
    cmdSyncError->setObjectName(QStringLiteral("cmdSyncError"));
    cmdSyncError->setCaption(tr("Close"));
    connect(cmdSyncError, &PictureButton::clicked, this, &QDialog::hide);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 18, 20, 14);
    column->setSpacing(10);
    for (QLabel* label : {Label1, Label2, Label3, Label5}) column->addWidget(label);
    column->addWidget(cmdSyncError, 0, Qt::AlignHCenter);
}

}  // namespace tollix
