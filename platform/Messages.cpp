#include "platform/Messages.h"

#include <QMessageBox>

namespace tollix {

void QtMessages::showInformation(const QString& title, const QString& text) {
    QMessageBox::information(parent_, title, text);
}

bool QtMessages::askQuestion(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace tollix
