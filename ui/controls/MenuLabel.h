#pragma once

#include <QPushButton>

namespace tollix {

// A label of the menu bar: drawn as a label, highlighted while the mouse is
// over it, and a push button to the keyboard and a screen reader: Tab reaches
// it, Enter or Space opens it, and its "&" letter with Alt is its accelerator.
class MenuLabel final : public QPushButton {
    Q_OBJECT

  public:
    explicit MenuLabel(const QString& caption, QWidget* parent = nullptr);
    void clearHighlight();
    bool highlighted() const { return highlighted_; }

  signals:
    void Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void setHighlighted(bool on);
    bool highlighted_ = false;
};

}  // namespace tollix
