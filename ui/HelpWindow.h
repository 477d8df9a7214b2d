#pragma once

#include "ui/controls/PictureButton.h"

#include <QDialog>
#include <QLabel>

namespace tollix {

// A window of plain words with its close picture: help1, FrmPlayMusic, info1.
class HelpWindow final : public QDialog {
    Q_OBJECT

  public:
    HelpWindow(const QString& name, const QString& title, const QString& text,
               const QString& closeName, QWidget* parent = nullptr);
    QLabel* text;
    PictureButton* close;
};

// The texts, written for the operator of a school.
QString help1Text(const QString& soundFolder);
QString playMusicText(const QString& soundFolder);
QString info1Text(const QString& version, const QString& programFolder, const QString& ringLog);

}  // namespace tollix
