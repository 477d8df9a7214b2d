#include "sound/SoundPlayer.h"
#include "tests/support/Doubles.h"

#include <gtest/gtest.h>

namespace tollix {
namespace {

using Calls = std::vector<std::string>;

class Bell : public ::testing::Test {
  protected:
    test::FakePlayer mmc;
    test::FakeMixer mixer;
    sound::sound_control control{mixer};
    sound::BellState bell;
    bool soundZero = false;
    sound::SoundPlayer player{mmc, control, bell, [this] { return soundZero; }};

    // Counts seconds as the tick does; the number of ticks until the end.
    int ticksUntilEnd() {
        int ticks = 1;
        while (player.CountSecond()) ++ticks;
        return ticks;
    }
};

TEST_F(Bell, DurationIsTheLengthInWholeSecondsPlusTheExtra) {
    mmc.lengths = {{"bell.mp3", 5600}, {"short.wav", 0}};
    ASSERT_TRUE(player.OpenAndPlay("bell.mp3", 1));
    EXPECT_EQ(bell.durationSeconds, 6);
    EXPECT_EQ(bell.elapsedCount, 1);
    EXPECT_TRUE(bell.isPlaying);
    EXPECT_EQ(ticksUntilEnd(), 6);
    // Once ended, counting changes nothing.
    EXPECT_FALSE(player.CountSecond());
    EXPECT_EQ(bell.elapsedCount, 6);

    ASSERT_TRUE(player.OpenAndPlay("bell.mp3", 2));  // rung by hand
    EXPECT_EQ(bell.durationSeconds, 7);
    ASSERT_TRUE(player.OpenAndPlay("short.wav", 1));
    EXPECT_EQ(bell.durationSeconds, 1);
    EXPECT_FALSE(player.CountSecond());
}

TEST_F(Bell, StartOpensUnmutesThenPlays) {
    mmc.lengths = {{"bell.mp3", 3000}};
    mixer.muted = true;
    ASSERT_TRUE(player.OpenAndPlay("bell.mp3", 1));
    EXPECT_EQ(mmc.calls, (Calls{"open bell.mp3", "play"}));
    EXPECT_EQ(mixer.calls, (Calls{"unmute"}));
    EXPECT_FALSE(mixer.muted);
}

TEST_F(Bell, AFileThatCannotBeOpenedIsSkippedAndTheNextRings) {
    mmc.lengths = {{"good.wav", 2000}};
    mixer.muted = true;  // "No com sound" between bells
    EXPECT_FALSE(player.OpenAndPlay("broken.mp3", 1));
    EXPECT_FALSE(bell.isPlaying);
    EXPECT_TRUE(mixer.muted);
    EXPECT_EQ(mmc.calls, (Calls{"open broken.mp3"}));
    EXPECT_TRUE(player.OpenAndPlay("good.wav", 1));
    EXPECT_TRUE(bell.isPlaying);
    EXPECT_EQ(bell.durationSeconds, 3);
}

TEST_F(Bell, EndingRemutesWithNoComSoundAndPutsBackAFadedVolume) {
    mmc.lengths = {{"bell.mp3", 1000}};
    soundZero = true;
    ASSERT_TRUE(player.OpenAndPlay("bell.mp3", 1));
    bell.volumeSaved = true;
    bell.savedVolume = 80;
    mixer.volume = 8;
    mixer.calls.clear();
    mmc.calls.clear();
    player.EndBell();
    EXPECT_EQ(mmc.calls, (Calls{"close"}));
    EXPECT_EQ(mixer.calls, (Calls{"mute", "volume 80"}));
    EXPECT_TRUE(mixer.muted);
    EXPECT_EQ(mixer.volume, 80);
    EXPECT_FALSE(bell.volumeSaved);

    // Without "No com sound" the output stays on, and no volume is put back twice.
    soundZero = false;
    mixer.calls.clear();
    player.EndBell();
    EXPECT_TRUE(mixer.calls.empty());
}

TEST_F(Bell, ReplayStartsTheSameFileAgainAndKeepsTheDuration) {
    mmc.lengths = {{"bell.mp3", 4200}};
    ASSERT_TRUE(player.OpenAndPlay("bell.mp3", 1));
    EXPECT_EQ(ticksUntilEnd(), 5);
    mmc.calls.clear();
    mixer.calls.clear();
    ASSERT_TRUE(player.Replay());
    EXPECT_EQ(mmc.calls, (Calls{"close", "open bell.mp3", "play"}));
    EXPECT_TRUE(mixer.calls.empty());
    EXPECT_EQ(bell.durationSeconds, 5);
    EXPECT_EQ(bell.elapsedCount, 1);
    // A file that vanished during the repeat cannot go on.
    mmc.lengths.clear();
    EXPECT_FALSE(player.Replay());
}

TEST_F(Bell, OpenNextLeavesTheMuteAndPassesOverABrokenFile) {
    mmc.lengths = {{"a.mp3", 2500}, {"c.mp3", 9000}};
    ASSERT_TRUE(player.OpenAndPlay("a.mp3", 1));
    mixer.calls.clear();
    mmc.calls.clear();
    EXPECT_FALSE(player.OpenNext("b.mp3"));
    EXPECT_EQ(bell.durationSeconds, 1);  // next tick moves on
    EXPECT_TRUE(bell.isPlaying);
    EXPECT_FALSE(player.CountSecond());
    EXPECT_TRUE(player.OpenNext("c.mp3"));
    EXPECT_EQ(bell.durationSeconds, 10);
    EXPECT_EQ(bell.elapsedCount, 1);
    EXPECT_EQ(mmc.calls, (Calls{"open b.mp3", "open c.mp3", "play"}));
    EXPECT_TRUE(mixer.calls.empty());
}

class Fade : public Bell {
  protected:
    void SetUp() override {
        mmc.lengths = {{"song.mp3", 200000}};
        mixer.range = {0, 65536};
        mixer.volume = 655 * 80;
        ASSERT_TRUE(player.OpenAndPlay("song.mp3", 1));
        bell.music.musicFiles = {"song.mp3"};
        bell.musicSecondsLeft = 6;
        mixer.calls.clear();
        mmc.calls.clear();
    }
};

TEST_F(Fade, StepsToAHalfAFifthATenthAndZeroThenPutsTheVolumeBack) {
    EXPECT_FALSE(player.FadeStep());
    EXPECT_TRUE(mixer.calls.empty());
    std::vector<long> volumes;
    for (int t = 0; t < 4; ++t) {
        EXPECT_FALSE(player.FadeStep());
        volumes.push_back(mixer.volume);
    }
    EXPECT_EQ(bell.savedVolume, 80);
    EXPECT_EQ(volumes, (std::vector<long>{655 * 40, 655 * 16, 655 * 8, 0}));
    EXPECT_EQ(mmc.calls, (Calls{"close"}));
    EXPECT_TRUE(player.FadeStep());
    EXPECT_EQ(mixer.volume, 655 * 80);
    EXPECT_FALSE(bell.volumeSaved);
    EXPECT_FALSE(bell.isPlaying);
    EXPECT_EQ(bell.musicFileCount(), 0);
    EXPECT_EQ(bell.music.musicIntroFile, "N");
}

TEST_F(Fade, ALateStartOfTheFadeSavesTheVolumeFirst) {
    bell.musicSecondsLeft = 3;
    EXPECT_FALSE(player.FadeStep());  // two seconds left, without the earlier steps
    EXPECT_TRUE(bell.volumeSaved);
    EXPECT_EQ(bell.savedVolume, 80);
    EXPECT_EQ(mixer.volume, 655 * 8);
}

TEST_F(Fade, AListPastItsEndStillEndsWithoutTouchingTheVolume) {
    bell.musicSecondsLeft = 0;
    EXPECT_TRUE(player.FadeStep());
    EXPECT_EQ(mixer.calls, (Calls{}));
    EXPECT_EQ(mixer.volume, 655 * 80);
    EXPECT_FALSE(bell.isPlaying);
}

TEST_F(Fade, AnUnreadableVolumeIsNeitherFadedNorRestoredToAGuess) {
    mixer.available = false;
    for (int t = 0; t < 5; ++t) player.FadeStep();
    EXPECT_FALSE(bell.volumeSaved);
    mixer.available = true;
    mixer.calls.clear();
    EXPECT_TRUE(player.FadeStep());
    EXPECT_EQ(mixer.calls, (Calls{}));
    EXPECT_EQ(mixer.volume, 655 * 80);
}

// Counted, not read off the clock: 13 hours are 13 hours (compared as
// seconds of the day, a list over 12 hours stopped after one second).
TEST_F(Fade, AListLongerThanHalfADayPlaysAllItsMinutes) {
    bell.musicSecondsLeft = 780 * 60;
    long played = 0;
    while (!player.FadeStep()) ++played;
    EXPECT_EQ(played, 780 * 60 - 1);
    EXPECT_FALSE(bell.isPlaying);
}

TEST(MasterVolume, ScalesToTheRawRangeOfTheMixer) {
    test::FakeMixer mixer;
    sound::sound_control control(mixer);
    mixer.range = {0, 65535};
    EXPECT_TRUE(control.SetMasterVolume(50));
    EXPECT_EQ(mixer.volume, 32750);
    EXPECT_EQ(control.GetMasterVolume(), 50);
    mixer.range = {0, 65536};  // the sound server's full volume
    control.SetMasterVolume(100);
    EXPECT_EQ(mixer.volume, 65500);
    EXPECT_EQ(control.GetMasterVolume(), 100);
    // Beyond the range is held at its ends.
    control.SetMasterVolume(150);
    EXPECT_EQ(mixer.volume, 65536);
    control.SetMasterVolume(-5);
    EXPECT_EQ(mixer.volume, 0);
    // A mixer of 100 steps or fewer takes and gives the values as they are.
    mixer.range = {0, 100};
    control.SetMasterVolume(37);
    EXPECT_EQ(mixer.volume, 37);
    EXPECT_EQ(control.GetMasterVolume(), 37);
    mixer.range = {0, 64};
    control.SetMasterVolume(90);
    EXPECT_EQ(mixer.volume, 64);
}

TEST(MasterVolume, ReadingRoundsHalvesToEven) {
    const Mixer::Range range{0, 200};
    EXPECT_EQ(sound::sound_control::scaledVolume(1, range), 0);      // 0.5
    EXPECT_EQ(sound::sound_control::scaledVolume(3, range), 2);      // 1.5
    EXPECT_EQ(sound::sound_control::scaledVolume(199, range), 100);  // 99.5
}

TEST(MasterVolume, EveryCallFailsWithoutAMixer) {
    test::FakeMixer mixer;
    mixer.available = false;
    sound::sound_control control(mixer);
    EXPECT_FALSE(control.OpenMixer(0));
    EXPECT_FALSE(control.GetMasterVolume().has_value());
    EXPECT_FALSE(control.SetMasterVolume(50));
    EXPECT_FALSE(control.SetMasterMute(true));
    EXPECT_EQ(mixer.volume, 70);
    EXPECT_FALSE(mixer.muted);
}

}  // namespace
}  // namespace tollix
