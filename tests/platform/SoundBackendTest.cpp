#include "platform/MpvPlayer.h"
#include "platform/PulseMixer.h"
#include "sound/SoundPlayer.h"
#include "tests/support/Doubles.h"
#include "tests/support/Pulse.h"

#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tollix {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

long since(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
}

// The real player and mixer on the private sound server, heard through the
// null sink's monitor.
class SoundBackends : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        test::PulseServer::shared().use();
        fixtures_ = new test::TempFolder;
    }
    static void TearDownTestSuite() {
        delete fixtures_;
        fixtures_ = nullptr;
    }

    void SetUp() override {
        server().pactl(
            {QStringLiteral("set-sink-mute"), QStringLiteral("bells"), QStringLiteral("0")});
        server().pactl(
            {QStringLiteral("set-sink-volume"), QStringLiteral("bells"), QStringLiteral("65536")});
    }

    static test::PulseServer& server() { return test::PulseServer::shared(); }
    static fs::path tone(const std::string& name, double seconds) {
        const fs::path file = fixtures_->path() / name;
        if (!fs::exists(file))
            test::makeTone(file, seconds);
        return file;
    }
    static QString sinkVolume() {
        return server().pactl({QStringLiteral("get-sink-volume"), QStringLiteral("bells")});
    }
    static QString sinkMute() {
        return server().pactl({QStringLiteral("get-sink-mute"), QStringLiteral("bells")}).trimmed();
    }

    static inline test::TempFolder* fixtures_ = nullptr;
    MpvPlayer mmc;
    PulseMixer mixer;
};

TEST_F(SoundBackends, EachFormatPlaysWithItsTrueLength) {
    for (const char* name : {"tone.wav", "tone.mp3", "tone.wma"}) {
        SCOPED_TRACE(name);
        const fs::path file = tone(name, 1.5);
        ASSERT_FALSE(file.empty()) << "ffmpeg made no fixture";
        mmc.setFileName(file.string());
        const auto opening = Clock::now();
        ASSERT_TRUE(mmc.open());
        EXPECT_LT(since(opening), 1000);
        EXPECT_NEAR(mmc.length(), 1500, 50);

        test::Recording recording(server());
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
}

TEST_F(SoundBackends, FilesThatCannotPlayAreRefusedAndTheNextPlays) {
    test::TempFolder dir;
    test::writeBytes(dir.path() / "text.mp3", "this is not a sound at all\n");
    test::writeBytes(dir.path() / "empty.wav", "");
    test::writeBytes(dir.path() / "half.wav", "RIFF\x24\x08\x00\x00WAVEfmt ");
    for (const fs::path& bad : {dir.path() / "text.mp3", dir.path() / "empty.wav",
                                dir.path() / "half.wav", dir.path() / "gone.mp3"}) {
        SCOPED_TRACE(bad.filename().string());
        mmc.setFileName(bad.string());
        const auto opening = Clock::now();
        EXPECT_FALSE(mmc.open());
        EXPECT_LE(since(opening), 1100);
        EXPECT_EQ(mmc.length(), 0);
        mmc.play();  // nothing is open: no effect
        mmc.close();
    }
    mmc.setFileName(tone("tone.wav", 1.5).string());
    ASSERT_TRUE(mmc.open());
    EXPECT_NEAR(mmc.length(), 1500, 50);
    mmc.close();
}

TEST_F(SoundBackends, NoComSoundSilencesBetweenBellsAndTheBellIsHeard) {
    sound::sound_control control(mixer);
    sound::BellState bell;
    sound::SoundPlayer player(mmc, control, bell, [] { return true; });
    ASSERT_TRUE(control.OpenMixer(0));
    ASSERT_TRUE(control.SetMasterMute(true));
    EXPECT_EQ(sinkMute(), QStringLiteral("Mute: yes"));

    // Another program plays while the output is muted: nothing comes out.
    MpvPlayer other;
    other.setFileName(tone("tone.wav", 1.5).string());
    ASSERT_TRUE(other.open());
    test::Recording muted(server());
    other.play();
    QThread::msleep(1200);
    const auto silence = muted.stop();
    other.close();
    EXPECT_LT(test::rms(silence, 0, 1.2), 50);

    // A bell start unmutes; its end mutes again.
    test::Recording recording(server());
    ASSERT_TRUE(player.OpenAndPlay(tone("tone.mp3", 1.5).string(), 1));
    EXPECT_EQ(bell.durationSeconds, 2);
    EXPECT_EQ(sinkMute(), QStringLiteral("Mute: no"));
    QThread::msleep(1700);
    player.EndBell();
    const auto heard = recording.stop();
    EXPECT_EQ(sinkMute(), QStringLiteral("Mute: yes"));
    const double start = test::onset(heard);
    ASSERT_GE(start, 0);
    EXPECT_GT(test::rms(heard, start + 0.1, start + 1.2), 2000);
    control.SetMasterMute(false);
}

TEST_F(SoundBackends, AMusicListFadesOverItsLastFourSecondsAndTheVolumeComesBack) {
    sound::sound_control control(mixer);
    ASSERT_TRUE(control.SetMasterVolume(80));
    EXPECT_TRUE(sinkVolume().contains(QStringLiteral("52400"))) << sinkVolume().toStdString();
    EXPECT_EQ(control.GetMasterVolume(), 80);

    sound::BellState bell;
    sound::SoundPlayer player(mmc, control, bell, [] { return false; });
    test::Recording recording(server());
    const auto begun = Clock::now();
    ASSERT_TRUE(player.OpenAndPlay(tone("long.wav", 12).string(), 1));
    bell.music.musicFiles = {"long.wav"};
    const int startSecond = 1000;
    bell.musicSecondsLeft = 6;

    bool ended = false;
    // One tick a second, as the clock tick drives it.
    for (int second = startSecond + 1; !ended && second <= startSecond + 7; ++second) {
        std::this_thread::sleep_until(begun + std::chrono::seconds(second - startSecond));
        ended = player.FadeStep();
    }
    const auto samples = recording.stop();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(bell.volumeSaved);
    EXPECT_TRUE(sinkVolume().contains(QStringLiteral("52400"))) << sinkVolume().toStdString();

    // From the start: two seconds at the full volume, then a half, a fifth,
    // a tenth and the close.
    const double start = test::onset(samples, 200);
    ASSERT_GE(start, 0);

    std::vector<double> level;
    for (int s = 0; s < 6; ++s)
        level.push_back(test::rms(samples, start + s + 0.2, start + s + 0.9));
    EXPECT_GT(level[1], 1000) << "80% of the volume";
    for (int s = 2; s < 6; ++s) EXPECT_LT(level[s], level[s - 1] * 0.8) << "second " << s;
    EXPECT_LT(level[5], 30);
}

TEST_F(SoundBackends, TheMixerScalesToTheSinksRawVolume) {
    sound::sound_control control(mixer);
    ASSERT_TRUE(control.OpenMixer(0));
    ASSERT_TRUE(control.SetMasterVolume(50));
    EXPECT_TRUE(sinkVolume().contains(QStringLiteral("32750"))) << sinkVolume().toStdString();
    EXPECT_EQ(control.GetMasterVolume(), 50);
    EXPECT_FALSE(control.OpenMixer(1));  // the default sink is the only device
}

// What tells whether a bell can be heard: the sink, its mute and volume, and
// whether the player's sound went anywhere.
TEST_F(SoundBackends, TheOutputIsReadAsAListenerWouldFindIt) {
    Mixer::Output output;
    ASSERT_TRUE(mixer.readOutput(output));
    EXPECT_TRUE(output.exists);
    EXPECT_FALSE(output.muted);
    EXPECT_EQ(output.volume, 65536);
    server().pactl({QStringLiteral("set-sink-mute"), QStringLiteral("bells"), QStringLiteral("1")});
    ASSERT_TRUE(mixer.readOutput(output));
    EXPECT_TRUE(output.muted);
    // PulseAudio's stand-in when it finds no sound card is no output at all.
    const QString module =
        server()
            .pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                    QStringLiteral("sink_name=auto_null")})
            .trimmed();
    server().pactl({QStringLiteral("set-default-sink"), QStringLiteral("auto_null")});
    ASSERT_TRUE(mixer.readOutput(output));
    EXPECT_FALSE(output.exists);
    server().pactl({QStringLiteral("set-default-sink"), QStringLiteral("bells")});
    server().pactl({QStringLiteral("unload-module"), module});

    mmc.setFileName(tone("tone.wav", 1.5).string());
    ASSERT_TRUE(mmc.open());
    EXPECT_EQ(mmc.output(), MediaPlayer::Output::Silent);  // loaded, not yet played
    mmc.play();
    QThread::msleep(500);
    EXPECT_EQ(mmc.output(), MediaPlayer::Output::Playing);
    QThread::msleep(1500);
    EXPECT_EQ(mmc.output(), MediaPlayer::Output::Playing) << "played to its end";
    mmc.close();

    // No sound server at all: the player falls back to playing into nothing.
    const QByteArray before = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/native");
    MpvPlayer nowhere;
    nowhere.setFileName(tone("tone.wav", 1.5).string());
    ASSERT_TRUE(nowhere.open());
    nowhere.play();
    QThread::msleep(500);
    EXPECT_EQ(nowhere.output(), MediaPlayer::Output::NullOutput);
    nowhere.close();
    qputenv("PULSE_SERVER", before);
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

    own.stop();
    for (int round = 0; round < 3; ++round) {
        auto start = Clock::now();
        EXPECT_FALSE(control.OpenMixer(0));
        EXPECT_FALSE(control.GetMasterVolume().has_value());
        EXPECT_FALSE(control.SetMasterVolume(60));
        EXPECT_FALSE(control.SetMasterMute(true));
        EXPECT_LT(since(start), 50) << "four calls";
    }

    ASSERT_TRUE(own.start());
    EXPECT_TRUE(control.SetMasterVolume(60));
    EXPECT_EQ(control.GetMasterVolume(), 60);
    EXPECT_TRUE(control.SetMasterMute(false));
    own.stop();
    qputenv("PULSE_SERVER", before);
}

}  // namespace
}  // namespace tollix
