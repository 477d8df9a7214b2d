#include "ui/RingLogWindow.h"

#include "engine/RingLog.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tollix {

RingLogWindow::RingLogWindow(std::filesystem::path file, QWidget* parent)
    : QDialog(parent), file_(std::move(file)) {
    setObjectName(QStringLiteral("RingLogWindow"));
    setWindowTitle(tr("Ring log"));
    resize(760, 420);
    lines = new QPlainTextEdit;
    lines->setObjectName(QStringLiteral("lines"));
    lines->setReadOnly(true);
    lines->setAccessibleName(tr("Ring log"));
    lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* where = new QLabel(tr("The last %1 bells, newest at the bottom. Kept in %2")
                                 .arg(kLines)
                                 .arg(QString::fromStdString(file_.string())));
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* close = new QPushButton(tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    auto* column = new QVBoxLayout(this);
    column->addWidget(where);
    column->addWidget(lines, 1);
    column->addWidget(close, 0, Qt::AlignRight);
}

void RingLogWindow::showLatest() {
    QStringList text;
    for (const auto& line : RingLog::lastLines(file_, kLines)) text << QString::fromStdString(line);
    lines->setPlainText(text.isEmpty() ? tr("No bell has rung yet.")
                                       : text.join(QLatin1Char('\n')));
    lines->verticalScrollBar()->setValue(lines->verticalScrollBar()->maximum());
    show();
    raise();
    activateWindow();
}

}  // namespace tollix
