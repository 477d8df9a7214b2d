#include "platform/TimeSetter.h"
#include "tests/support/Doubles.h"
#include "tests/support/LoopbackChrony.h"
#include "tests/support/SystemBus.h"
#include "tests/support/TimeServer.h"

#include <QElapsedTimer>
#include <QEventLoop>

namespace tollix::timesync {
namespace {

using test::systemNs;
using Answer = test::ScriptedTimeServer::Answer;

// Refuses or does what it is asked, and remembers it.
class RecordingTimeSetter final : public TimeSetter {
  public:
    QString refusal;
    std::vector<std::int64_t> asked;
    void setTimeRelative(std::int64_t microseconds,
                         std::function<void(const QString&)> done) override {
        asked.push_back(microseconds);
        QTimer::singleShot(0, [this, done] { done(refusal); });
    }
};

class TimeSyncTest : public ::testing::Test {
  protected:
    test::ScriptedTimeServer primary, secondary;
    RecordingTimeSetter setter;
    // The test moves every clock on by `monotonic`; `steppedMs` sets the computer's.
    std::int64_t monotonic = 0, steppedMs = 0;
    QElapsedTimer began_;
    std::function<std::int64_t()> computer = [this] {
        return primary.clock() + steppedMs * 1'000'000;
    };
    std::unique_ptr<TimeSync> client;

    TimeSyncTest() {
        began_.start();
        primary.clock = secondary.clock = [this] { return systemNs() + monotonic * 1'000'000; };
    }
    TimeSync& make(std::vector<TimeServer> servers, TimeSetter* system = nullptr) {
        client = std::make_unique<TimeSync>(
            std::move(servers),
            TimeSync::Services{system ? system : &setter, computer,
                               [this] { return monotonic + began_.elapsed(); }, 100});
        return *client;
    }
    // One request at a tick's moment, and its answer or its time-out.
    void round(std::int64_t advanceMs = 64'000) {
        monotonic += advanceMs;
        client->SendTimeRequest();
        // A loop that sleeps in poll(), as the program's does: a reply is read
        // the moment it lands, so the measured delay is the network's.
        QEventLoop loop;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (!client->waiting())
                loop.quit();
        });
        look.start(1);
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        ASSERT_FALSE(client->waiting());
    }
};

TEST_F(TimeSyncTest, GoodOffsetsAreMeasuredAndSetOrFollowed) {
    for (const auto& [offset, says] : {std::pair<std::int64_t, const char*>{5'000, "5.00 s behind"},
                                       {-45'000, "45.00 s ahead"}}) {
        primary.offsetMs = offset;
        primary.requests = primary.holdMs = 0;
        setter.refusal = u"org.freedesktop.DBus.Error.AccessDenied: no"_s;
        TimeSync& sync = make({primary.address()});
        QSignalSpy changed(&sync, &TimeSync::correctionChanged);
        round();
        ASSERT_TRUE(sync.estimate());
        EXPECT_NEAR(static_cast<double>(sync.estimate()->offsetNs) / 1e6, offset, 2.0);
        EXPECT_NEAR(static_cast<double>(sync.correctionMs()), offset, 2.0);
        ASSERT_EQ(setter.asked.size(), 1u);
        EXPECT_NEAR(static_cast<double>(setter.asked[0]), offset * 1000.0, 2000.0);
        EXPECT_EQ(changed.count(), 1);
        EXPECT_TRUE(sync.status().startsWith(u"Bells follow 127.0.0.1: this computer is "_s +
                                             QLatin1StringView(says)))
            << sync.status().toStdString();
        // An answer held up on its way back is believed less than the quick one.
        primary.holdMs = 60;  // reads 30 ms early
        round(2'000'000);
        EXPECT_NEAR(static_cast<double>(sync.estimate()->offsetNs) / 1e6, offset, 2.0);
        EXPECT_LT(sync.estimate()->delayNs, 10'000'000);
        // Someone put the clock right: followed at once, though the old answer was quicker.
        primary.offsetMs = 0;
        sync.clockStepped();
        round(6'000);
        round(6'000);  // one request per step
        EXPECT_EQ(primary.requests, 3);
        EXPECT_NEAR(static_cast<double>(sync.correctionMs()), -30.0, 5.0);

        primary.offsetMs = offset;  // and off again
        sync.clockStepped();
        setter.refusal.clear();  // the system moves the clock now
        QSignalSpy set(&sync, &TimeSync::clockSet);
        round();
        EXPECT_EQ(set.count(), 1);
        EXPECT_EQ(sync.correctionMs(), 0);
        EXPECT_TRUE(sync.status().startsWith(u"Clock set from 127.0.0.1 at "_s));
        sync.stop();
        setter.asked.clear();
    }
}

TEST_F(TimeSyncTest, NoBadReplyEverMovesTheClock) {
    primary.offsetMs = 30'000;
    for (const Answer bad :
         {Answer::ClientMode, Answer::OtherPort, Answer::KissRate, Answer::Late}) {
        primary.answer = bad;
        TimeSync& sync = make({primary.address()});
        QSignalSpy changed(&sync, &TimeSync::correctionChanged);
        round();
        QTest::qWait(bad == Answer::Late ? 100 : 0);
        EXPECT_EQ(changed.count(), 0) << static_cast<int>(bad);
        EXPECT_TRUE(setter.asked.empty()) << static_cast<int>(bad);
        EXPECT_EQ(sync.syncFailureCount(), 1) << static_cast<int>(bad);
    }
    primary.answer = Answer::Twice;  // the same answer twice is taken once
    make({primary.address()});
    round();
    EXPECT_EQ(setter.asked.size(), 1u);
}

TEST_F(TimeSyncTest, FallsBackCountsFailuresAndRespectsTheServers) {
    primary.answer = Answer::Silent;
    secondary.offsetMs = 20;
    TimeSync& sync = make({primary.address(), secondary.address()});
    round();
    EXPECT_EQ(primary.requests, 1);
    EXPECT_EQ(secondary.requests, 1);
    EXPECT_EQ(sync.correctionMs(), 0);  // under 0.1 s: nothing moves
    EXPECT_TRUE(sync.status().startsWith(u"Clock agrees with 127.0.0.1 at "_s));
    EXPECT_TRUE(setter.asked.empty());

    // A good small estimate lasts: 64 s, then twice as long.
    round(30'000);
    EXPECT_EQ(primary.requests + secondary.requests, 2);
    round(34'000);
    EXPECT_EQ(primary.requests + secondary.requests, 4);
    EXPECT_EQ(sync.pollSeconds(), 128);
    round(100'000);
    EXPECT_EQ(primary.requests + secondary.requests, 4);

    // Both silent: one failure a round, the window after the sixth.
    secondary.answer = Answer::Silent;
    QSignalSpy warned(&sync, &TimeSync::failedTooOften);
    for (int failures = 1; failures <= 5; ++failures) {
        round(1'024'000);
        EXPECT_EQ(sync.syncFailureCount(), failures);
        EXPECT_TRUE(sync.status().startsWith(u"No answer from 127.0.0.1, 127.0.0.1 since "_s));
    }
    EXPECT_EQ(warned.count(), 0);
    round();
    EXPECT_EQ(warned.count(), 1);
    EXPECT_EQ(sync.syncFailureCount(), 0);
    // Never twice in 64 s to one server, whatever the tick asks.
    const int asked = primary.requests;
    for (int i = 0; i < 10; ++i) round(6'000);
    EXPECT_EQ(primary.requests, asked);

    // A server that says RATE is left alone for 15 minutes.
    primary.answer = Answer::KissRate;
    secondary.answer = Answer::Good;
    round();
    EXPECT_EQ(sync.syncFailureCount(), 0);  // the secondary answered
    const int kissed = primary.requests;
    round(14 * 60'000);
    EXPECT_EQ(primary.requests, kissed);
    round(9 * 60'000);  // the calm answers made the wait 512 s
    EXPECT_EQ(primary.requests, kissed + 1);
}

// The computer's clock set during a request, or right after an answer moved
// the bells, and nobody says so: measured at the next of the tick's moments.
TEST_F(TimeSyncTest, AStepNobodyAnnouncedIsMeasuredAtTheNextMoment) {
    setter.refusal = u"no"_s;
    primary.offsetMs = 5'000;
    for (const bool during : {true, false}) {
        primary.requests = 0;
        primary.holdMs = during ? 80 : 0;  // within the 100 ms an answer may take
        steppedMs = 0;
        TimeSync& sync = make({primary.address()});
        QSignalSpy adjusted(&sync, &TimeSync::adjusted);
        if (during)  // a clock set at boot
            QTimer::singleShot(30, &sync, [this] { steppedMs = 40'000; });
        round();
        steppedMs = 40'000;
        primary.holdMs = 0;
        round(6'000);
        EXPECT_EQ(primary.requests, 2) << during;
        EXPECT_NEAR(static_cast<double>(sync.correctionMs()), -35'000.0, 5.0) << during;
        EXPECT_EQ(adjusted.count(), during ? 1 : 2) << during;
    }
}

// One answer moves the bells 60 s at most; further takes answers asked at
// least 64 s apart, from either server, that agree within 1 s: two up to
// 1,000 s, three beyond. Times no server can be at are refused outright.
TEST_F(TimeSyncTest, AFarCorrectionWaitsForAnswersThatAgree) {
    const std::int64_t now = systemNs() / 1'000'000, year = 31'556'952'000;
    const struct {
        std::vector<std::int64_t> answersMs;  // one a round, 64 s apart
        std::int64_t followsMs;               // the correction after the last; -1: refused
    } cases[] = {
        {{59'500}, 59'500},
        {{61'000}, 0},
        {{999'000, 999'000}, 999'000},
        {{400'000, 401'500}, 0},  // they differ by 1.5 s
        {{1'001'000, 1'001'000}, 0},
        {{10 * year, 10 * year, 10 * year}, 10 * year},  // across the wrap of 2036
        {{1'577'833'200'000 - now}, -1},                 // 2019, an hour before 2020
        {{4'233'462'143'000 - now}, -1},                 // 2104, the packet's second era ends
    };
    setter.refusal = u"no"_s;  // the bells follow; the correction shows what was taken
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answersMs.back());
        TimeSync& sync = make({primary.address(), secondary.address()});
        QSignalSpy adjusted(&sync, &TimeSync::adjusted);
        for (std::size_t i = 0; i < c.answersMs.size(); ++i) {
            primary.answer = i % 2 ? Answer::Silent : Answer::Good;
            primary.offsetMs = secondary.offsetMs = c.answersMs[i];
            round();
        }
        EXPECT_NEAR(static_cast<double>(sync.correctionMs()),
                    static_cast<double>(std::max<std::int64_t>(c.followsMs, 0)), 5.0);
        EXPECT_EQ(adjusted.count(), c.followsMs > 0 ? 1 : 0);
        EXPECT_EQ(sync.syncFailureCount(), c.followsMs < 0 ? 1 : 0);
        EXPECT_EQ(sync.status().startsWith(u"Held back: 127.0.0.1 says this computer is"_s),
                  c.followsMs == 0);
    }
}

// timedated of the test's own: the computer's clock is set where the system
// allows it, and where it refuses the bells follow the server all the same.
TEST_F(TimeSyncTest, AppliesThroughTimedatedOrKeepsTheOffsetInTheClock) {
    test::MockSystemBus bus(u"timedated"_s, u"org.freedesktop.timedate1"_s);
    ASSERT_TRUE(bus.ready());
    TimedatedTimeSetter timedated;
    primary.offsetMs = 5'000;
    make({primary.address()}, &timedated);
    QSignalSpy set(client.get(), &TimeSync::clockSet);
    round();
    ASSERT_EQ(set.count(), 1);
    const QStringList calls = bus.calls().filter(u"SetTime "_s);
    ASSERT_EQ(calls.size(), 1);
    const QStringList arguments = calls[0].split(QLatin1Char(' '));
    EXPECT_NEAR(arguments.value(1).toDouble(), 5e6, 2000.0);
    EXPECT_EQ(arguments.mid(2), (QStringList{u"True"_s, u"False"_s}));
    EXPECT_EQ(client->correctionMs(), 0);

    ASSERT_TRUE(bus.setMethod(
        u"/org/freedesktop/timedate1"_s, u"org.freedesktop.timedate1"_s, u"SetTime"_s, u"xbb"_s, {},
        QStringLiteral("raise dbus.exceptions.DBusException('Automatic time synchronization is "
                       "enabled', name='org.freedesktop.timedate1.AutomaticTimeSyncEnabled')")));
    SystemClock clock;
    QObject::connect(client.get(), &TimeSync::correctionChanged,
                     [&clock](std::int64_t ms) { clock.setCorrectionMs(ms); });
    round();
    EXPECT_NEAR(static_cast<double>(client->correctionMs()), 5000.0, 2.0);
    EXPECT_NEAR(static_cast<double>(clock.now().epochMs() - systemNs() / 1'000'000), 5000.0, 50.0);
    EXPECT_TRUE(client->status().contains(u"5.00 s behind"_s));
}

// chronyd serving its own clock on a loopback port, never touching the machine's.
TEST_F(TimeSyncTest, AgreesWithARealServerWithinTwoMilliseconds) {
    test::LoopbackChrony chronyd(30);
    ASSERT_TRUE(chronyd.started());
    computer = systemNs;  // the clock chronyd serves
    TimeSync& sync = make({{"127.0.0.1", chronyd.port()}});
    for (int tries = 0; tries < 20 && !sync.estimate(); ++tries) round();  // until it listens
    ASSERT_TRUE(sync.estimate()) << "chronyd did not answer";
    EXPECT_NEAR(static_cast<double>(sync.estimate()->offsetNs) / 1e6, 0.0, 2.0);
    EXPECT_EQ(sync.correctionMs(), 0);
    EXPECT_TRUE(setter.asked.empty());
}

}  // namespace
}  // namespace tollix::timesync
