#pragma once

#include <QLayout>
#include <QList>

namespace tollix {

// Items side by side, wrapped into further rows where the width is too small
// for them all: every item stays in sight on a narrow screen or in a language
// of long words. The last item keeps to the right edge of its row.
class FlowLayout final : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // Places the items in `rect` when `place`; returns the height they take.
    int arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
};

}  // namespace tollix
