#include "timesync/TimeSync.h"

#include "platform/TimeSetter.h"
#include "schedule/SafeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QPointer>
#include <QUdpSocket>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

namespace tollix::timesync {

namespace {

constexpr std::int64_t kMinimumPollMs = 64'000;  // never more often, per server
constexpr int kLongestPollMs = 1'024'000;
constexpr std::int64_t kQuietMs = 15 * 60'000;  // after a kiss of death
constexpr std::int64_t kSetThresholdNs = 100'000'000;
// The computer's clock moved this far against the monotonic one: it was set.
constexpr std::int64_t kStepNs = 1'000'000'000;
constexpr std::size_t kSamples = 8;
constexpr int kFailuresShown = 5;
// One answer may move the bells this far; further needs answers that agree,
// asked at least the poll's minimum apart: two, or three beyond the
// threshold where time daemons give up and ask a person.
constexpr std::int64_t kOneVoiceNs = 60'000'000'000;
constexpr std::int64_t kPanicNs = 1'000'000'000'000;
constexpr std::int64_t kAgreeNs = 1'000'000'000;
constexpr std::size_t kHeld = 8;
// Times no server can truly be at: before 2020, or 50 years after the build
// (the packet's eras end in 2036 and 2104; a flat battery gives 1970).
constexpr std::int64_t kEarliestNs = 1'577'836'800LL * 1'000'000'000;
constexpr std::int64_t kLatestNs = (TOLLIX_BUILD_DAY * 86'400LL + 1'577'847'600LL) * 1'000'000'000;

bool believable(std::int64_t unixNs) {
    return unixNs >= kEarliestNs && unixNs <= kLatestNs;
}

std::optional<TimeServer> parseServer(std::string line) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    line.erase(line.begin(), std::find_if_not(line.begin(), line.end(), blank));
    line.erase(std::find_if_not(line.rbegin(), line.rend(), blank).base(), line.end());
    if (line.empty() || line[0] == '#')
        return std::nullopt;
    TimeServer server{line};
    std::string port;
    if (line[0] == '[') {  // [v6 address]:port
        const auto close = line.find(']');
        if (close == std::string::npos)
            return std::nullopt;
        server.host = line.substr(1, close - 1);
        if (close + 1 < line.size()) {
            if (line[close + 1] != ':')
                return std::nullopt;
            port = line.substr(close + 2);
        }
    } else if (std::count(line.begin(), line.end(), ':') == 1) {
        const auto colon = line.find(':');
        server.host = line.substr(0, colon);
        port = line.substr(colon + 1);
    }
    if (!port.empty()) {
        bool ok = false;
        const uint number = QString::fromStdString(port).toUInt(&ok);
        if (!ok || number == 0 || number > 65535)
            return std::nullopt;
        server.port = static_cast<std::uint16_t>(number);
    }
    if (server.host.empty())
        return std::nullopt;
    return server;
}

QString hostName(const TimeServer& server) {
    return QString::fromStdString(server.host);
}

QString seconds(std::int64_t ms) {
    return QString::number(std::abs(static_cast<double>(ms)) / 1000.0, 'f', 2);
}

QString behindOrAhead(std::int64_t ms) {
    return ms >= 0 ? QCoreApplication::translate("TimeSync", "behind")
                   : QCoreApplication::translate("TimeSync", "ahead");
}

}  // namespace

std::vector<TimeServer> ReadTimeServers(const std::filesystem::path& file,
                                        std::string* unreadable) {
    std::vector<TimeServer> servers;
    const safefile::Reading reading = safefile::read(file, safefile::kDataLimit);
    if (unreadable)
        *unreadable = reading.error;
    std::istringstream in(reading.bytes);
    std::string line;
    while (servers.size() < 2 && std::getline(in, line))
        if (auto server = parseServer(line))
            servers.push_back(*server);
    if (servers.empty())
        servers = {{"0.pool.ntp.org"}, {"1.pool.ntp.org"}};
    return servers;
}

ServerTime serverTime(std::span<const std::uint8_t, 8> transmit) {
    // Rounded to the millisecond in the current rounding mode: halves to even.
    const double seconds = std::nearbyint(TimestampToSeconds(transmit) * 1000.0) / 1000.0;
    auto whole = static_cast<std::int64_t>(std::floor(seconds));
    const double fraction = seconds - static_cast<double>(whole);
    if (whole < (std::int64_t{1} << 31))
        whole += std::int64_t{1} << 32;  // after the wrap of 2036
    return ServerTime{whole - kEpochDifference, static_cast<int>(std::lround(fraction * 1000.0))};
}

TimeSync::TimeSync(std::vector<TimeServer> servers, Services services, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      socket_(new QUdpSocket(this)),
      random_(std::random_device{}()),
      pollMs_(kMinimumPollMs) {
    for (auto& server : servers) {
        servers_.emplace_back();
        servers_.back().address = std::move(server);
    }
    answerTimer_.setSingleShot(true);
    connect(&answerTimer_, &QTimer::timeout, this, &TimeSync::noAnswer);
    connect(socket_, &QUdpSocket::readyRead, this, &TimeSync::readReplies);
}

TimeSync::~TimeSync() = default;

bool TimeSync::mayAsk(std::size_t server, std::int64_t nowMs) const {
    const Server& s = servers_[server];
    return nowMs >= s.quietUntilMs && (!s.lastAskedMs || nowMs - *s.lastAskedMs >= kMinimumPollMs);
}

// Who set the clock may tell nobody, or tell only after an answer that
// measured the old clock has moved the bells: the tick's moments look too.
void TimeSync::SendTimeRequest() {
    if (!setting_ && measuredLeadNs_ && steppedSince(*measuredLeadNs_))
        clockStepped();
    if (pending_ || setting_ || servers_.empty())
        return;
    const std::int64_t now = services_.monotonicMs();
    // After a step one request goes out at once, the 64 s between two to one
    // server notwithstanding: a step is rare, and the bells follow a stale offset until then.
    const bool atOnce = std::exchange(askAtOnce_, false);
    if (!atOnce && lastGoodMs_ && now - *lastGoodMs_ < pollMs_)
        return;
    roundAsked_.clear();
    for (std::size_t i = 0; i < servers_.size(); ++i)
        if (atOnce ? now >= servers_[i].quietUntilMs : mayAsk(i, now))
            return ask(i);
}

void TimeSync::ask(std::size_t server) {
    servers_[server].lastAskedMs = services_.monotonicMs();
    roundAsked_ << hostName(servers_[server].address);
    pending_.emplace();
    pending_->server = server;
    pending_->askedMs = *servers_[server].lastAskedMs;
    pending_->cookie = random_();
    pending_->generation = ++generation_;
    answerTimer_.start(services_.answerMs);
    // Looked up anew each time: pool names change their addresses.
    const int generation = generation_;
    QHostInfo::lookupHost(hostName(servers_[server].address), this,
                          [this, generation](const QHostInfo& found) {
                              if (!pending_ || pending_->generation != generation)
                                  return;
                              if (found.addresses().isEmpty())
                                  return noAnswer();
                              send(generation, found.addresses().constFirst());
                          });
}

void TimeSync::send(int generation, const QHostAddress& address) {
    if (socket_->state() != QAbstractSocket::BoundState && !socket_->bind(QHostAddress::Any, 0) &&
        !socket_->bind(QHostAddress::AnyIPv4, 0))
        return noAnswer();
    const Packet request = makeRequest(pending_->cookie);
    pending_->address = address;
    pending_->port = servers_[pending_->server].address.port;
    pending_->sentNs = services_.systemNs();
    pending_->leadNs = clockLeadNs();
    const qint64 written = socket_->writeDatagram(reinterpret_cast<const char*>(request.data()),
                                                  kPacketSize, address, pending_->port);
    if (!pending_ || pending_->generation != generation)
        return;
    if (written != static_cast<qint64>(kPacketSize))
        return noAnswer();
    pending_->sent = true;
}

void TimeSync::readReplies() {
    while (socket_->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_->receiveDatagram();
        const std::int64_t received = services_.systemNs();
        if (!pending_ || !pending_->sent || datagram.senderPort() != pending_->port ||
            !datagram.senderAddress().isEqual(pending_->address, QHostAddress::TolerantConversion))
            continue;
        const QByteArray bytes = datagram.data();
        const std::span<const std::uint8_t> data(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size()));
        const Reply reply = checkReply(data, pending_->cookie);
        if (reply.verdict == Verdict::Kiss &&
            (reply.kissCode == "RATE" || reply.kissCode == "DENY" || reply.kissCode == "RSTR"))
            servers_[pending_->server].quietUntilMs = services_.monotonicMs() + kQuietMs;
        if (reply.verdict != Verdict::Good || !believable(reply.receiveNs) ||
            !believable(reply.transmitNs))
            continue;  // no answer: the time-out falls back
        // Sent before a step and read after it: it measured neither clock.
        if (steppedSince(pending_->leadNs)) {
            clockStepped();
            continue;
        }
        const Sample sample =
            measure(pending_->sentNs, reply.receiveNs, reply.transmitNs, received);
        const QString server = hostName(servers_[pending_->server].address);
        const std::int64_t askedMs = pending_->askedMs;
        pending_.reset();
        answerTimer_.stop();
        if (syncFailureCount_ > 0)
            --syncFailureCount_;
        take(sample, askedMs, server, serverTime(data.subspan<40, 8>()));
    }
}

void TimeSync::noAnswer() {
    if (!pending_)
        return;
    const std::size_t failed = pending_->server;
    pending_.reset();
    answerTimer_.stop();
    const std::int64_t now = services_.monotonicMs();
    for (std::size_t next = failed + 1; next < servers_.size(); ++next)
        if (mayAsk(next, now))
            return ask(next);
    // Said at once; the window waits for its count.
    if (!failingSinceNs_)
        failingSinceNs_ = services_.systemNs() + correctionMs_ * 1'000'000;
    setStatus(QCoreApplication::translate("TimeSync", "No answer from %1 since %2")
                  .arg(roundAsked_.join(QStringLiteral(", ")),
                       QDateTime::fromMSecsSinceEpoch(*failingSinceNs_ / 1'000'000)
                           .toLocalTime()
                           .toString(QStringLiteral("HH:mm"))));
    if (++syncFailureCount_ > kFailuresShown) {
        syncFailureCount_ = 0;
        emit failedTooOften();
    }
}

// The estimate is the sample with the smallest delay of the last few: the one
// least bent by a queue on the way.
void TimeSync::take(const Sample& sample, std::int64_t askedMs, const QString& server,
                    const ServerTime& at) {
    lastGoodMs_ = services_.monotonicMs();
    measuredLeadNs_ = clockLeadNs();
    failingSinceNs_.reset();
    if (std::llabs(sample.offsetNs - correctionMs_ * 1'000'000) > kOneVoiceNs) {
        if (!confirmed(sample, askedMs, server)) {
            calmAnswers_ = 0;
            pollMs_ = kMinimumPollMs;  // the next answer comes as soon as allowed
            return;
        }
    } else {
        samples_.push_back(sample);
        if (samples_.size() > kSamples)
            samples_.pop_front();
    }
    const Sample best =
        *std::min_element(samples_.begin(), samples_.end(),
                          [](const Sample& a, const Sample& b) { return a.delayNs < b.delayNs; });
    estimate_ = best;
    // Calm: the clock the bells go by is within 0.1 s of the server. Then
    // the wait grows: 64 s, twice as long after every calm answer, up to 1,024 s.
    const bool calm = std::llabs(best.offsetNs - correctionMs_ * 1'000'000) < kSetThresholdNs;
    calmAnswers_ = calm ? std::min(calmAnswers_ + 1, 5) : 1;
    pollMs_ = std::min(static_cast<int>(kMinimumPollMs) << (calmAnswers_ - 1), kLongestPollMs);
    const std::int64_t offsetMs = std::llround(static_cast<double>(best.offsetNs) / 1e6);
    const QString when = QDateTime::fromSecsSinceEpoch(at.unixSeconds)
                             .toLocalTime()
                             .toString(QStringLiteral("HH:mm"));
    // The computer's clock is asked to move each time it is off, also while the
    // bells follow the server: the system may allow it by now.
    if (std::llabs(best.offsetNs) < kSetThresholdNs) {
        if (correctionMs_ != 0)
            follow(offsetMs, server);
        else
            setStatus(QCoreApplication::translate("TimeSync", "Clock agrees with %1 at %2")
                          .arg(server, when));
        return;
    }
    if (!services_.setter)
        return follow(offsetMs, server);
    setting_ = true;
    QPointer<TimeSync> alive(this);
    services_.setter->setTimeRelative(best.offsetNs / 1000, [alive, offsetMs, server,
                                                             when](const QString& refusal) {
        if (!alive)
            return;
        alive->setting_ = false;
        if (!refusal.isEmpty())
            return alive->follow(offsetMs, server);
        // The samples measured the clock as it was.
        alive->samples_.clear();
        alive->held_.clear();
        alive->measuredLeadNs_ = alive->clockLeadNs();
        const std::int64_t moved = offsetMs - alive->correctionMs_;
        alive->setCorrection(0);
        alive->setStatus(
            QCoreApplication::translate("TimeSync", "Clock set from %1 at %2").arg(server, when));
        emit alive->clockSet();
        if (alive && std::llabs(moved) >= 1000)
            emit alive->adjusted(server, moved, true);
    });
}

// An answer far from the clock the bells go by is believed once answers at
// least 64 s apart agree with it; then they alone are the recent samples.
bool TimeSync::confirmed(const Sample& sample, std::int64_t askedMs, const QString& server) {
    held_.push_back({sample, askedMs});
    if (held_.size() > kHeld)
        held_.pop_front();
    std::vector<Sample> agreeing;
    std::int64_t before = askedMs + kMinimumPollMs;
    for (auto it = held_.rbegin(); it != held_.rend(); ++it)
        if (std::llabs(it->sample.offsetNs - sample.offsetNs) <= kAgreeNs &&
            it->askedMs <= before - kMinimumPollMs) {
            agreeing.push_back(it->sample);
            before = it->askedMs;
        }
    const std::int64_t move = sample.offsetNs - correctionMs_ * 1'000'000;
    const std::size_t needed = std::llabs(move) > kPanicNs ? 3 : 2;
    if (agreeing.size() >= needed) {
        held_.clear();
        samples_.assign(agreeing.rbegin(), agreeing.rend());
        return true;
    }
    const std::int64_t moveMs = std::llround(static_cast<double>(move) / 1e6);
    setStatus(QCoreApplication::translate(
                  "TimeSync",
                  "Held back: %1 says this computer is %2 s %3. A change over 60 s "
                  "needs %4 answers at least 64 s apart that agree within 1 s; %5 so far")
                  .arg(server, seconds(moveMs), behindOrAhead(moveMs))
                  .arg(needed)
                  .arg(agreeing.size()));
    return false;
}

void TimeSync::follow(std::int64_t offsetMs, const QString& server) {
    const std::int64_t moved = offsetMs - correctionMs_;
    setCorrection(offsetMs);
    setStatus(QCoreApplication::translate("TimeSync", "Bells follow %1: this computer is %2 s %3")
                  .arg(server, seconds(offsetMs), behindOrAhead(offsetMs)));
    if (std::llabs(moved) >= 1000)
        emit adjusted(server, moved, false);
}

void TimeSync::clockStepped() {
    // An answer on its way measured the clock as it was.
    pending_.reset();
    answerTimer_.stop();
    samples_.clear();
    held_.clear();
    lastGoodMs_.reset();
    measuredLeadNs_.reset();
    calmAnswers_ = 0;
    pollMs_ = kMinimumPollMs;
    askAtOnce_ = true;
}

std::int64_t TimeSync::clockLeadNs() const {
    return services_.systemNs() - services_.monotonicMs() * 1'000'000;
}

bool TimeSync::steppedSince(std::int64_t leadNs) const {
    return std::llabs(clockLeadNs() - leadNs) >= kStepNs;
}

void TimeSync::stop() {
    pending_.reset();
    answerTimer_.stop();
    samples_.clear();
    held_.clear();
    askAtOnce_ = false;
    failingSinceNs_.reset();
    estimate_.reset();
    lastGoodMs_.reset();
    measuredLeadNs_.reset();
    pollMs_ = kMinimumPollMs;
    calmAnswers_ = 0;
    setCorrection(0);
    setStatus(QString());
}

void TimeSync::setCorrection(std::int64_t ms) {
    if (ms == correctionMs_)
        return;
    correctionMs_ = ms;
    emit correctionChanged(ms);
}

void TimeSync::setStatus(const QString& text) {
    if (text == status_)
        return;
    status_ = text;
    emit statusChanged(text);
}

}  // namespace tollix::timesync
