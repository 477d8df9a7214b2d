#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tollix {

// Every message box of the program: information (an information icon and OK)
// and Yes/No questions. Texts that name the install folder "C:\tollix" show the
// real program folder.
class Messages {
  public:
    virtual ~Messages() = default;

    void setFolderText(std::function<QString(const QString&)> showFolder) {
        showFolder_ = std::move(showFolder);
    }

    void information(const QString& title, const QString& text) {
        showInformation(title, shown(text));
    }
    bool question(const QString& title, const QString& text) {
        return askQuestion(title, shown(text));
    }

    // While the clock tick runs, information boxes must not hold it up: they
    // are shown and left to the operator.
    void setWaiting(bool waiting) { waiting_ = waiting; }
    bool waiting() const { return waiting_; }

  protected:
    virtual void showInformation(const QString& title, const QString& text) = 0;
    virtual bool askQuestion(const QString& title, const QString& text) = 0;

  private:
    QString shown(const QString& text) const { return showFolder_ ? showFolder_(text) : text; }

    std::function<QString(const QString&)> showFolder_;
    bool waiting_ = true;
};

// Modal QMessageBox over the given window.
class QtMessages final : public Messages {
  public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

  protected:
    void showInformation(const QString& title, const QString& text) override;
    bool askQuestion(const QString& title, const QString& text) override;

  private:
    QWidget* parent_;
};

}  // namespace tollix
