#include "platform/Messages.h"

#include <QMessageBox>

namespace tollix {

QString Messages::showGathered() {
    gathering_ = false;
    if (gathered_.empty())
        return {};
    // One message keeps its own title; several are listed under the program's.
    QString title = gathered_.front().first;
    QStringList texts;
    for (const auto& message : gathered_) texts << message.second;
    if (gathered_.size() > 1)
        title = QStringLiteral("TOLLIX");
    gathered_.clear();
    const QString text = texts.join(QStringLiteral("\n\n"));
    const bool wait = waiting_;
    waiting_ = false;
    showInformation(title, text);
    waiting_ = wait;
    return text;
}

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
