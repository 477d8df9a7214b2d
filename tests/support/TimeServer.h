#pragma once

#include "timesync/TimeSync.h"

#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

#include <chrono>
#include <functional>

namespace tollix::test {

inline std::int64_t systemNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

// A good answer to `request` (version 4, stratum 2, origin echoed), stamped `unixNs`.
inline QByteArray timeReply(const QByteArray& request, std::int64_t unixNs) {
    const auto seconds = static_cast<std::uint64_t>(unixNs / 1'000'000'000 + 2208988800LL);
    const auto fraction = static_cast<std::uint64_t>(unixNs % 1'000'000'000);
    const std::uint64_t stamp = seconds << 32 | (fraction << 32) / 1'000'000'000;
    QByteArray reply(48, '\0');
    reply[0] = 0x24;
    reply[1] = 2;
    reply.replace(24, 8, request.mid(40, 8));
    for (int i = 0; i < 16; ++i) reply[32 + i] = static_cast<char>(stamp >> (56 - 8 * (i % 8)));
    return reply;
}

// A time server on a loopback port that answers as the test says: its clock
// (the real one) plus `offsetMs`, or one bad kind of answer.
class ScriptedTimeServer {
  public:
    enum class Answer { Good, Silent, ClientMode, OtherPort, KissRate, Twice, Late };
    std::function<std::int64_t()> clock = systemNs;
    Answer answer = Answer::Good;
    std::int64_t offsetMs = 0;
    int holdMs = 0;  // the answer waits on the way back
    int requests = 0;

    ScriptedTimeServer() {
        socket_.bind(QHostAddress::LocalHost, 0);
        other_.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { reply(); });
    }
    timesync::TimeServer address() const { return {"127.0.0.1", socket_.localPort()}; }

  private:
    void reply() {
        while (socket_.hasPendingDatagrams()) {
            const QNetworkDatagram request = socket_.receiveDatagram();
            ++requests;
            QByteArray p = timeReply(request.data(), clock() + offsetMs * 1'000'000);
            if (answer == Answer::Silent)
                continue;
            if (answer == Answer::ClientMode)
                p[0] = 0x23;
            if (answer == Answer::KissRate)
                p[1] = 0, p.replace(12, 4, "RATE");
            QUdpSocket& from = answer == Answer::OtherPort ? other_ : socket_;
            const auto send = [&from, p, request] {
                from.writeDatagram(p, request.senderAddress(), request.senderPort());
            };
            QTimer::singleShot(answer == Answer::Late ? 150 : holdMs, &socket_, send);
            if (answer == Answer::Twice)
                send();
        }
    }
    QUdpSocket socket_, other_;
};

}  // namespace tollix::test
