#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

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
        if (gathering_) {
            gathered_.push_back({title, shown(text)});
            return;
        }
        showInformation(title, shown(text));
    }
    // No is the answer of Enter unless `yesByDefault`.
    bool question(const QString& title, const QString& text, bool yesByDefault = false) {
        return askQuestion(title, shown(text), yesByDefault);
    }

    // While the clock tick runs, information boxes must not hold it up: they
    // are shown and left to the operator.
    void setWaiting(bool waiting) { waiting_ = waiting; }
    bool waiting() const { return waiting_; }

    // Start-up gathers its information boxes: none may hold the schedule.
    // `showGathered` shows them as one box, without waiting for the operator,
    // and returns its text (empty when there was nothing to say).
    void gather() { gathering_ = true; }
    QString showGathered();

  protected:
    virtual void showInformation(const QString& title, const QString& text) = 0;
    virtual bool askQuestion(const QString& title, const QString& text, bool yesByDefault) = 0;

  private:
    QString shown(const QString& text) const { return showFolder_ ? showFolder_(text) : text; }

    std::function<QString(const QString&)> showFolder_;
    bool waiting_ = true;
    bool gathering_ = false;
    std::vector<std::pair<QString, QString>> gathered_;
};

// Without a screen: every message a line on standard error (the journal of a
// service); a question is answered as its default at once.
class StderrMessages final : public Messages {
  protected:
    void showInformation(const QString& title, const QString& text) override;
    bool askQuestion(const QString& title, const QString& text, bool yesByDefault) override;
};

}  // namespace tollix
