#include "ui/controls/SortedListBox.h"

#include "sound/SoundLibrary.h"

#include <QSignalBlocker>

#include <algorithm>

namespace tollix {

namespace {

// The bytes of a line as it was loaded.
constexpr int kBytes = Qt::UserRole;

}  // namespace

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void SortedListBox::AddItem(const QString& text) {
    const std::string key = text.toStdString();
    // After any equal lines, as a sorted list box adds them.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (sound::listOrderLess(key, item(middle)->text().toStdString()))
            high = middle;
        else
            low = middle + 1;
    }
    insertItem(low, text);
}

void SortedListBox::AddItems(const std::vector<std::string>& added) {
    std::vector<std::string> all = lines();
    all.insert(all.end(), added.begin(), added.end());
    std::stable_sort(all.begin(), all.end(), [](const std::string& a, const std::string& b) {
        return sound::listOrderLess(a, b);
    });
    const QSignalBlocker quiet(this);
    clear();
    for (const auto& line : all) {
        auto* entry = new QListWidgetItem(QString::fromStdString(line));
        entry->setData(kBytes, QByteArray::fromStdString(line));
        addItem(entry);
    }
}

int SortedListBox::ListIndex() const {
    const QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? row(current) : -1;
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

// A line as it was read, byte for byte, while nobody changed it: a sound
// name in an old 8-bit code page would not survive the trip through text.
std::vector<std::string> SortedListBox::lines() const {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) {
        const QListWidgetItem* entry = item(i);
        const QByteArray read = entry->data(kBytes).toByteArray();
        if (!read.isNull() && QString::fromUtf8(read) == entry->text())
            result.push_back(read.toStdString());
        else
            result.push_back(entry->text().toStdString());
    }
    return result;
}

QStringList listLines(const QListWidget& list) {
    QStringList result;
    for (int i = 0; i < list.count(); ++i) result << list.item(i)->text();
    return result;
}

}  // namespace tollix
