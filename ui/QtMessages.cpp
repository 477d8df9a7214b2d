#include "ui/QtMessages.h"

#include <QMessageBox>

namespace tollix {

void QtMessages::showInformation(const QString& title, const QString& text) {
    if (waiting()) {
        QMessageBox::information(parent_, title, text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// Every question the program asks is about undoing the operator's work:
// Enter must not say yes to it.
bool QtMessages::askQuestion(const QString& title, const QString& text, bool yesByDefault) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No,
                                 yesByDefault ? QMessageBox::Yes : QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace tollix
