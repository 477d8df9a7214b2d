#include "platform/Messages.h"

#include <cstdio>

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

void StderrMessages::showInformation(const QString& title, const QString& text) {
    std::fprintf(
        stderr, "%s: %s\n", title.toLocal8Bit().constData(),
        QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).toLocal8Bit().constData());
}

bool StderrMessages::askQuestion(const QString& title, const QString& text, bool yesByDefault) {
    showInformation(title, text);
    return yesByDefault;
}

}  // namespace tollix
