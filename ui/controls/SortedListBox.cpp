#include "ui/controls/SortedListBox.h"

#include "sound/SoundLibrary.h"

#include <algorithm>

namespace tollix {

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void SortedListBox::AddItem(const QString& text) {
    const std::string key = text.toStdString();
    int row = count();
    // After any equal lines, as a sorted list box adds them.
    for (int i = 0; i < count(); ++i) {
        if (sound::listOrderLess(key, item(i)->text().toStdString())) {
            row = i;
            break;
        }
    }
    insertItem(row, text);
}

void SortedListBox::setListIndex(int index) {
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(index);
    }
}

QString SortedListBox::text(int index) const {
    const QListWidgetItem* line = item(index);
    return line ? line->text() : QString();
}

std::vector<std::string> SortedListBox::lines() const {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) result.push_back(item(i)->text().toStdString());
    return result;
}

QStringList listLines(const QListWidget& list) {
    QStringList result;
    for (int i = 0; i < list.count(); ++i) result << list.item(i)->text();
    return result;
}

}  // namespace tollix
