#pragma once

#include <QLabel>

namespace tollix {

// A label of the menu bar: clickable, highlighted while the mouse is over it.
class MenuLabel final : public QLabel {
    Q_OBJECT

  public:
    explicit MenuLabel(const QString& caption, QWidget* parent = nullptr);
    void clearHighlight();
    bool highlighted() const { return highlighted_; }

  signals:
    void Click();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setHighlighted(bool on);
    bool highlighted_ = false;
};

}  // namespace tollix
