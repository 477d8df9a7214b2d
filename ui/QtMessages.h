#pragma once

#include "platform/Messages.h"

class QWidget;

namespace tollix {

// Modal QMessageBox over the given window.
class QtMessages final : public Messages {
  public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

  protected:
    void showInformation(const QString& title, const QString& text) override;
    bool askQuestion(const QString& title, const QString& text, bool yesByDefault) override;

  private:
    QWidget* parent_;
};

}  // namespace tollix
