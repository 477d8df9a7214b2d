#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLocalServer;

namespace tollix {

// One running copy per user. The first copy holds a lock file and listens on a
// local socket; a later copy finds the lock taken, asks the first to show its
// window, and ends.
class SingleInstance final : public QObject {
    Q_OBJECT

  public:
    // `runtimeFolder` empty: the user's runtime folder.
    explicit SingleInstance(const QString& runtimeFolder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when no other copy runs, or the one running ends within `waitMs`;
    // this copy then holds the lock. A lock left by a copy that was killed is
    // taken over.
    bool claim(int waitMs = 0);
    // Asks the running copy to show its window, handing on the desktop's
    // activation token (Wayland's XDG_ACTIVATION_TOKEN) so that it may raise
    // it. True when it answered.
    bool notifyRunningCopy(const QString& activationToken = {}, int timeoutMs = 1000);
    // What this copy does now, as `tollix --status` prints it.
    void setStatus(std::function<QByteArray()> status) { status_ = std::move(status); }
    // The running copy's status; nothing when no copy answers.
    std::optional<QByteArray> askStatus(int timeoutMs = 3000);
    // Orders from a later copy, a line each ("alarm Lockdown", "all-clear"):
    // the answer is sent back. Panic buttons and scripts on this computer.
    void setOrders(std::function<QByteArray(const QByteArray&)> orders) {
        orders_ = std::move(orders);
    }
    // Hands `order` to the running copy; its answer, nothing when no copy answers.
    std::optional<QByteArray> sendOrder(const QByteArray& order, int timeoutMs = 3000);
    // `tollix --refresh-calendars [--accept NAME]`: the running copy fetches
    // its calendars and answers once every answer is in.
    using Answer = std::function<void(const QByteArray& text)>;
    void setCalendarRefresh(std::function<void(const QString& accept, Answer answer)> refresh) {
        refresh_ = std::move(refresh);
    }
    // The running copy's answer; nothing when no copy answers.
    std::optional<QByteArray> askRefreshCalendars(const QString& accept, int timeoutMs = 150000);
    // Starts answering later copies.
    bool listen();
    // Ending: later copies find nobody to ask, and wait for the lock instead.
    void stopListening();

  signals:
    // `activationToken` is empty when the later copy had none or sent a malformed one.
    void showRequested(const QString& activationToken);

  private:
    QString folder_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<QByteArray()> status_;
    std::function<QByteArray(const QByteArray&)> orders_;
    std::function<void(const QString&, Answer)> refresh_;
};

}  // namespace tollix
