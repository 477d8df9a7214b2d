#pragma once

#include "timesync/SntpPacket.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

class QUdpSocket;

namespace tollix {
class TimeSetter;
}

namespace tollix::timesync {

struct TimeServer {
    std::string host;
    std::uint16_t port = 123;
};

// data/timeserver.ini: the primary and the secondary server, one a line,
// `host` or `host:port`. Absent, empty or unreadable (then said in
// `unreadable`): two public pool servers.
std::vector<TimeServer> ReadTimeServers(const std::filesystem::path& file,
                                        std::string* unreadable = nullptr);

// The server's transmit time as the written rule reads it: whole seconds and
// milliseconds, rounded to the millisecond with halves to even.
struct ServerTime {
    std::int64_t unixSeconds = 0;
    int milliseconds = 0;
};
ServerTime serverTime(std::span<const std::uint8_t, 8> transmit);

// Internet time. At the tick's moments it asks a server when the estimate is
// old, takes only replies that answer what it asked, and either moves the
// computer's clock or, where that is refused, keeps the offset for the
// program's own clock. A step of the computer's clock, told or seen against
// the monotonic clock, voids what was measured before it.
class TimeSync final : public QObject {
    Q_OBJECT

  public:
    struct Services {
        // None: the offset always stays in the program's clock.
        TimeSetter* setter = nullptr;
        // The computer's clock in Unix nanoseconds, and a clock that only runs forward.
        std::function<std::int64_t()> systemNs;
        std::function<std::int64_t()> monotonicMs;
        // How long a request may wait for its answer.
        int answerMs = 5000;
    };

    TimeSync(std::vector<TimeServer> servers, Services services, QObject* parent = nullptr);
    ~TimeSync() override;

    // The tick's moments (seconds 3, 9, ..., 57): asks when an answer is due.
    void SendTimeRequest();
    // "Internet time" switched off: nothing more is awaited, the offset goes.
    void stop();
    // Someone set the computer's clock: what was measured before is void, and
    // the next of the tick's moments asks again, however recent the last request.
    void clockStepped();

    std::int64_t correctionMs() const { return correctionMs_; }
    // The best of the recent measurements: the smallest delay.
    std::optional<Sample> estimate() const { return estimate_; }
    const QString& status() const { return status_; }
    int syncFailureCount() const { return syncFailureCount_; }
    // How long a good estimate lasts before the next request, in seconds.
    int pollSeconds() const { return pollMs_ / 1000; }
    // A request or a clock setting is under way.
    bool waiting() const { return pending_.has_value() || setting_; }

  signals:
    // The program's clock must run this far ahead of the computer's.
    void correctionChanged(std::int64_t ms);
    // The computer's clock was moved.
    void clockSet();
    void statusChanged(const QString& text);
    // More failures than answers, by more than five.
    void failedTooOften();
    // The clock the bells go by moved by `ms` (1 s or more) on `server`'s word:
    // the computer's clock was set, or else the program's clock follows.
    void adjusted(const QString& server, std::int64_t ms, bool clockSet);

  private:
    struct Server {
        TimeServer address;
        std::optional<std::int64_t> lastAskedMs;
        std::int64_t quietUntilMs = 0;  // a server that said RATE, DENY or RSTR
    };
    struct Request {
        std::size_t server = 0;
        std::uint64_t cookie = 0;
        int generation = 0;
        QHostAddress address;
        quint16 port = 0;
        std::int64_t sentNs = 0;
        std::int64_t leadNs = 0;  // the computer's clock on the monotonic one when sent
        std::int64_t askedMs = 0;
        bool sent = false;
    };
    // An answer that would move the bells far, waiting for others to agree.
    struct Held {
        Sample sample;
        std::int64_t askedMs = 0;
    };

    bool mayAsk(std::size_t server, std::int64_t nowMs) const;
    void ask(std::size_t server);
    void send(int generation, const QHostAddress& address);
    void readReplies();
    void noAnswer();
    void take(const Sample& sample, std::int64_t askedMs, const QString& server,
              const ServerTime& at);
    bool confirmed(const Sample& sample, std::int64_t askedMs, const QString& server);
    void follow(std::int64_t offsetMs, const QString& server);
    void setCorrection(std::int64_t ms);
    void setStatus(const QString& text);
    // How far the computer's clock runs ahead of the monotonic one: a change is a step.
    std::int64_t clockLeadNs() const;
    bool steppedSince(std::int64_t leadNs) const;

    std::vector<Server> servers_;
    Services services_;
    QUdpSocket* socket_;
    QTimer answerTimer_;
    std::mt19937_64 random_;
    std::optional<Request> pending_;
    int generation_ = 0;
    bool setting_ = false;
    std::deque<Sample> samples_;
    std::deque<Held> held_;
    bool askAtOnce_ = false;  // a step was seen: the next moment asks
    // The clock's lead when the last answer was taken or the clock was set.
    std::optional<std::int64_t> measuredLeadNs_;
    QStringList roundAsked_;  // the servers asked since the tick's request
    std::optional<std::int64_t> failingSinceNs_;
    std::optional<Sample> estimate_;
    std::optional<std::int64_t> lastGoodMs_;
    int pollMs_;
    int calmAnswers_ = 0;  // in a row, under 0.1 s
    int syncFailureCount_ = 0;
    std::int64_t correctionMs_ = 0;
    QString status_;
};

}  // namespace tollix::timesync
