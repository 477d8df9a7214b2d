#pragma once

#include <QListWidget>

#include <vector>

namespace tollix {

// A sorted list box: every line added goes to its place in alphabetical order
// without regard to case. ListIndex is the selected position, -1 for none.
class SortedListBox final : public QListWidget {
    Q_OBJECT

  public:
    explicit SortedListBox(QWidget* parent = nullptr);

    void AddItem(const QString& text);
    // Many lines at once, sorted once: a long list loads in one pass.
    void AddItems(const std::vector<std::string>& lines);
    // The selected line; -1 when none is (a Ctrl+click can take the
    // selection away from the current line).
    int ListIndex() const;
    void setListIndex(int index);
    QString text(int index) const;
    std::vector<std::string> lines() const;
};

// A list box in its own order, for today's bells.
QStringList listLines(const QListWidget& list);

}  // namespace tollix
