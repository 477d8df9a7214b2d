// The real player and mixer on the private sound server, heard through the
// null sink's monitor. That "No com sound" holds other programs silent
// between bells is heard end to end.
#include "platform/MpvPlayer.h"
#include "platform/PulseMixer.h"
#include "schedule/DefaultFiles.h"
#include "tests/support/Doubles.h"
#include "tests/support/Program.h"

#include <QThread>

#include <chrono>
#include <thread>

namespace tollix {
namespace {

using Clock = std::chrono::steady_clock;

long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class SoundBackends : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::PulseServer::shared().use(); }
    void SetUp() override {
        sink(u"set-sink-mute"_s, u"0"_s);
        sink(u"set-sink-volume"_s, u"65536"_s);
    }
    static QString sink(const QString& command, const QString& value = {}) {
        QStringList arguments{command, u"bells"_s};
        return test::PulseServer::shared().pactl(value.isEmpty() ? arguments : arguments << value);
    }
    static fs::path tone(const std::string& name, double seconds) {
        const fs::path file = fixtures_.path() / name;
        if (!fs::exists(file))
            test::makeTone(file, seconds);
        return file;
    }

    static inline test::TempFolder fixtures_;
    MpvPlayer mmc;
    PulseMixer mixer;
};

// Every format plays for its true length; what cannot play is refused, at
// once or when its load fails, and never plays.
TEST_F(SoundBackends, EachFormatPlaysWithItsTrueLengthAndBrokenFilesAreRefused) {
    for (const char* name : {"tone.wav", "tone.mp3", "tone.wma"}) {
        SCOPED_TRACE(name);
        const fs::path file = tone(name, 1.5);
        ASSERT_FALSE(file.empty()) << "ffmpeg made no fixture";
        mmc.setFileName(file.string());
        const auto opening = Clock::now();
        ASSERT_TRUE(mmc.open());
        EXPECT_LT(msSince(opening), 1000);
        EXPECT_TRUE(QTest::qWaitFor([this] { return mmc.length() > 0; }, 1500));
        EXPECT_NEAR(mmc.length(), 1500, 50);
        test::Recording recording(test::PulseServer::shared());
        mmc.play();
        QThread::msleep(2000);
        const auto samples = recording.stop();
        mmc.close();
        const double start = test::onset(samples);
        ASSERT_GE(start, 0) << "nothing was heard";
        // The tone (an eighth of full scale: 2900 RMS) for as long as the file.
        EXPECT_GT(test::rms(samples, start + 0.1, start + 1.3), 2000);
        EXPECT_LT(test::rms(samples, start + 1.6, start + 1.9), 100);
    }
    for (const auto& [name, bytes] : {std::pair{"text.mp3", "this is not a sound\n"},
                                      {"empty.wav", ""},
                                      {"half.wav", "RIFF\x24\x08\x00\x00WAVEfmt "}})
        writeBytes(fixtures_.path() / name, bytes);
    for (const char* bad : {"text.mp3", "empty.wav", "half.wav", "gone.mp3"}) {
        mmc.setFileName((fixtures_.path() / bad).string());
        const auto opening = Clock::now();
        if (mmc.open()) {
            mmc.play();  // still loading: it would play once loaded
            QThread::msleep(1200);
        }
        EXPECT_LE(msSince(opening), 1300) << bad;
        EXPECT_EQ(mmc.length(), 0) << bad;
        EXPECT_EQ(mmc.output(), MediaPlayer::Output::Silent) << bad;
        mmc.close();
    }
}

TEST_F(SoundBackends, AMusicListFadesOverItsLastFourSecondsAndTheVolumeComesBack) {
    sound::sound_control control(mixer);
    // A first connection may outlast one call's limit on a busy machine.
    ASSERT_TRUE(QTest::qWaitFor([&control] { return control.OpenMixer(0); }));
    ASSERT_TRUE(control.SetMasterVolume(80));
    EXPECT_TRUE(sink(u"get-sink-volume"_s).contains(u"52400"_s));
    EXPECT_EQ(control.GetMasterVolume(), 80);

    sound::BellState bell;
    sound::SoundPlayer player(mmc, control, bell, [] { return false; });
    test::Recording recording(test::PulseServer::shared());
    ASSERT_TRUE(player.OpenAndPlay(tone("long.wav", 12).string(), 1));
    // The ticks count from the sound's start, however long the loading took.
    ASSERT_TRUE(QTest::qWaitFor([this] { return mmc.output() == MediaPlayer::Output::Playing; }));
    const auto begun = Clock::now();
    bell.music.musicFiles = {"long.wav"};
    bell.musicSecondsLeft = 6;
    bool ended = false;
    // One tick a second, as the clock tick drives it.
    for (int second = 1; !ended && second <= 7; ++second) {
        std::this_thread::sleep_until(begun + std::chrono::seconds(second));
        ended = player.FadeStep();
    }
    const auto samples = recording.stop();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(sink(u"get-sink-volume"_s).contains(u"52400"_s));

    // From the start: two seconds at the full volume, then a half, a fifth,
    // a tenth and the close.
    const double start = test::onset(samples, 0, 200);
    ASSERT_GE(start, 0);
    std::vector<double> level;
    for (int s = 0; s < 6; ++s)
        level.push_back(test::rms(samples, start + s + 0.2, start + s + 0.9));
    EXPECT_GT(level[1], 1000) << "80% of the volume";
    for (int s = 2; s < 6; ++s) EXPECT_LT(level[s], level[s - 1] * 0.8) << "second " << s;
    EXPECT_LT(level[5], 30);
}

// What tells whether a bell can be heard: the sink, its mute and volume, and
// whether the player's sound went anywhere.
TEST_F(SoundBackends, TheOutputIsReadAsAListenerWouldFindIt) {
    Mixer::Output output;
    ASSERT_TRUE(mixer.readOutput(output));
    EXPECT_TRUE(output.exists && !output.muted);
    EXPECT_EQ(output.volume, 65536);
    sink(u"set-sink-mute"_s, u"1"_s);
    ASSERT_TRUE(mixer.readOutput(output));
    EXPECT_TRUE(output.muted);
    // PulseAudio's stand-in when it finds no sound card is no output at all.
    test::PulseServer& server = test::PulseServer::shared();
    const QString module =
        server.pactl({u"load-module"_s, u"module-null-sink"_s, u"sink_name=auto_null"_s}).trimmed();
    server.pactl({u"set-default-sink"_s, u"auto_null"_s});
    ASSERT_TRUE(mixer.readOutput(output));
    EXPECT_FALSE(output.exists);
    // The outputs a bell chooses from follow the server's sinks as they come and go.
    const auto listed = [this] {
        std::vector<Mixer::Sink> sinks;
        return mixer.listOutputs(sinks) &&
               std::ranges::any_of(sinks, [](const auto& s) { return s.name == "auto_null"; });
    };
    EXPECT_TRUE(QTest::qWaitFor(listed));
    server.pactl({u"set-default-sink"_s, u"bells"_s});
    server.pactl({u"unload-module"_s, module});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !listed(); }));

    mmc.setFileName(tone("tone.wav", 1.5).string());
    ASSERT_TRUE(mmc.open());
    EXPECT_EQ(mmc.output(), MediaPlayer::Output::Silent);  // loaded, not yet played
    mmc.play();
    EXPECT_TRUE(QTest::qWaitFor([this] { return mmc.output() == MediaPlayer::Output::Playing; }));
    QThread::msleep(2000);
    EXPECT_EQ(mmc.output(), MediaPlayer::Output::Playing) << "played to its end";
    mmc.close();

    // Loaded ahead of its bell, a file plays from what was loaded then.
    const fs::path warm = fixtures_.path() / "warm.wav";
    fs::copy_file(tone("tone.wav", 1.5), warm, fs::copy_options::overwrite_existing);
    mmc.warm(warm.string());
    EXPECT_TRUE(QTest::qWaitFor([this] { return mmc.length() > 0; }));
    fs::remove(warm);
    mmc.close();  // never played: still loaded
    mmc.setFileName(warm.string());
    ASSERT_TRUE(mmc.open());
    mmc.play();
    EXPECT_TRUE(QTest::qWaitFor([this] { return mmc.output() == MediaPlayer::Output::Playing; }));
    mmc.close();

    // No sound server at all: the player falls back to playing into nothing.
    qputenv("PULSE_SERVER", "unix:/nonexistent/native");
    MpvPlayer nowhere;
    nowhere.setFileName(tone("tone.wav", 1.5).string());
    ASSERT_TRUE(nowhere.open());
    nowhere.play();
    EXPECT_TRUE(QTest::qWaitFor(
        [&nowhere] { return nowhere.output() == MediaPlayer::Output::NullOutput; }));
    nowhere.close();
    server.use();
}

TEST(SoundServerLoss, EveryMixerCallFailsFastAndTheNextWorksWhenItIsBack) {
    test::TempFolder dir;
    test::PulseServer own(dir.path() / "pulse");
    ASSERT_TRUE(own.start());
    const QByteArray before = qgetenv("PULSE_SERVER");
    own.use();
    PulseMixer mixer;
    sound::sound_control control(mixer);
    ASSERT_TRUE(control.OpenMixer(0));
    ASSERT_TRUE(control.SetMasterVolume(40));
    EXPECT_EQ(control.GetMasterVolume(), 40);
    EXPECT_FALSE(mixer.connectedAfresh()) << "the first connection is no restart";

    own.stop();
    const auto start = Clock::now();
    EXPECT_FALSE(control.OpenMixer(0));
    EXPECT_FALSE(control.GetMasterVolume().has_value());
    EXPECT_FALSE(control.SetMasterVolume(60));
    EXPECT_FALSE(control.SetMasterMute(true));
    EXPECT_LT(msSince(start), 50) << "four calls";
    ASSERT_TRUE(own.start());
    // Back unmuted: "No com sound" learns of it once, to mute again.
    EXPECT_TRUE(mixer.connectedAfresh());
    EXPECT_FALSE(mixer.connectedAfresh());
    EXPECT_TRUE(control.SetMasterMute(false));
    own.stop();
    qputenv("PULSE_SERVER", before);
}

// "No com sound" in the real program: every output it muted is given back
// however it ends, and none it did not mute. A sink appears while it holds
// them muted (and may become the default output). A sound server that
// restarts is held muted like a new one.
struct MuteCase {
    const char* sink;
    bool becomesDefault;
    enum End { Signal, DisplayLost, Killed, ServerRestarted } end;
};
void PrintTo(const MuteCase& c, std::ostream* out) {
    *out << c.sink;
}

class MuteUndone : public ::testing::TestWithParam<MuteCase> {
  protected:
    test::PulseServer& server = test::PulseServer::shared();
    test::Program tollix;
    QProcess xvfb;
    std::vector<QString> modules;

    void SetUp() override { TearDown(); }
    void TearDown() override {
        for (QProcess* p : {&tollix.process, &xvfb}) {
            p->kill();
            p->waitForFinished(3000);
        }
        server.pactl({u"set-default-sink"_s, u"bells"_s});
        server.pactl({u"set-sink-mute"_s, u"bells"_s, u"0"_s});
        for (const auto& module : modules) server.pactl({u"unload-module"_s, module});
        modules.clear();
    }
    void load(const QString& sink) {
        modules.push_back(
            server.pactl({u"load-module"_s, u"module-null-sink"_s, u"sink_name="_s + sink})
                .trimmed());
    }
    bool muted(const QString& sink) const {
        return server.pactl({u"get-sink-mute"_s, sink}).contains(u"yes"_s);
    }
    std::string marker() const { return readBytes(tollix.home.path() / "state/tollix/muted"); }
    // The real program with "No com sound" as given, on `display` (X) or offscreen.
    void start(int soundZero, const QString& display = {}) {
        test::save(tollix.paths.dataIni(), {.sound_zero = soundZero});
        tollix.env.remove(u"LD_PRELOAD"_s);  // the real clock
        if (!display.isEmpty())
            tollix.env.insert(u"DISPLAY"_s, display),
                tollix.env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        ASSERT_TRUE(tollix.start());
    }
};

TEST_P(MuteUndone, EveryOutputItMutedIsGivenBack) {
    const MuteCase& c = GetParam();
    const QString sink = QString::fromLatin1(c.sink);
    load(u"quiet"_s);  // muted by its user: never Tollix's to unmute
    server.pactl({u"set-sink-mute"_s, u"quiet"_s, u"1"_s});
    QString display;
    if (c.end == MuteCase::DisplayLost) {
        test::endWithTest(xvfb);
        xvfb.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s});
        ASSERT_TRUE(xvfb.waitForReadyRead(10000)) << "Xvfb did not start";
        display = u":"_s + QString::fromLatin1(xvfb.readAllStandardOutput()).trimmed();
    }
    start(1, display);
    ASSERT_TRUE(QTest::qWaitFor([&] { return muted(u"bells"_s); }, 8000));
    load(sink);
    if (c.becomesDefault)
        server.pactl({u"set-default-sink"_s, sink});
    EXPECT_TRUE(QTest::qWaitFor([&] { return muted(sink); }, 3000)) << "not followed";
    // On record within a check's five seconds, so that a crash cannot lose it.
    const std::string expected = "bells\n" + std::string(c.sink) + "\n";
    EXPECT_TRUE(QTest::qWaitFor([&] { return marker() == expected; }, 7000)) << marker();

    if (c.end == MuteCase::Killed) {
        tollix.process.kill();
        ASSERT_TRUE(tollix.process.waitForFinished(5000));
        ASSERT_TRUE(muted(sink));
        start(0);  // the next start gives them back first
        EXPECT_TRUE(QTest::qWaitFor([&] { return !muted(sink); }, 5000));
        // The sound server may hear of it before the record is written.
        EXPECT_TRUE(QTest::qWaitFor([&] { return tollix.records() == "restored No com sound"; }))
            << tollix.records();
    }
    if (c.end == MuteCase::ServerRestarted) {  // back with the sinks as they were
        server.stop();
        ASSERT_TRUE(server.start());
        load(u"quiet"_s), load(sink);
        EXPECT_TRUE(QTest::qWaitFor([&] { return muted(u"bells"_s) && muted(sink); }, 7000));
        EXPECT_FALSE(muted(u"quiet"_s)) << "neither in use nor muted by it: left alone";
        server.pactl({u"set-sink-mute"_s, u"quiet"_s, u"1"_s});
    }
    if (c.end == MuteCase::DisplayLost)
        xvfb.kill();  // Qt's platform plugin calls exit(1)
    else
        tollix.process.terminate();
    ASSERT_TRUE(tollix.process.waitForFinished(5000));
    EXPECT_EQ(tollix.process.exitCode(), c.end == MuteCase::DisplayLost ? 1 : 0);
    EXPECT_FALSE(muted(u"bells"_s) || muted(sink));
    EXPECT_TRUE(muted(u"quiet"_s));
    EXPECT_FALSE(fs::exists(tollix.home.path() / "state/tollix/muted"));
}

INSTANTIATE_TEST_SUITE_P(Ways, MuteUndone,
                         ::testing::Values(MuteCase{"projector", true, MuteCase::Signal},
                                           MuteCase{"headset", false, MuteCase::DisplayLost},
                                           MuteCase{"usb", false, MuteCase::Killed},
                                           MuteCase{"hdmi", false, MuteCase::ServerRestarted}),
                         [](const auto& way) { return std::string(way.param.sink); });

}  // namespace
}  // namespace tollix
