// The player's own decisions; what the engine makes of them over a day is
// in the engine's tests, what is heard in the sound backends' tests.
#include "tests/support/Doubles.h"

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
};

TEST_F(Bell, ALengthOfNoneStillRingsOneSecondAndEndsOnce) {
    mmc.lengths = {{"short.wav", 0}};
    ASSERT_TRUE(player.OpenAndPlay("short.wav", 1));
    EXPECT_EQ(bell.durationSeconds, 1);
    EXPECT_FALSE(player.CountSecond());
    // A file still loading at its start has its length by the next tick.
    ASSERT_TRUE(player.OpenAndPlay("short.wav", 2));
    mmc.lengths["short.wav"] = 2500;
    EXPECT_TRUE(player.CountSecond());
    EXPECT_EQ(bell.durationSeconds, 4);
}

TEST_F(Bell, BrokenFilesAreSkippedWithoutTouchingTheMute) {
    mmc.lengths = {{"a.mp3", 2500}, {"c.mp3", 9000}};
    mixer.muted = true;  // "No com sound" between bells
    EXPECT_FALSE(player.OpenAndPlay("broken.mp3", 1));
    EXPECT_FALSE(bell.isPlaying);
    EXPECT_TRUE(mixer.muted);
    ASSERT_TRUE(player.OpenAndPlay("a.mp3", 1));
    // In a music list the next tick moves on past a broken file.
    mixer.calls.clear();
    mmc.calls.clear();
    EXPECT_FALSE(player.OpenNext("b.mp3"));
    EXPECT_TRUE(bell.isPlaying);
    EXPECT_TRUE(player.OpenNext("c.mp3"));
    EXPECT_EQ(bell.durationSeconds, 10);
    EXPECT_EQ(mmc.calls, (Calls{"open b.mp3", "open c.mp3", "play"}));
    EXPECT_TRUE(mixer.calls.empty());
    // A file that vanished during a repeat cannot go on.
    mmc.lengths.clear();
    EXPECT_FALSE(player.Replay());
}

TEST_F(Bell, EndingRemutesWithNoComSoundAndPutsBackAFadedVolumeOnce) {
    mmc.lengths = {{"bell.mp3", 1000}};
    soundZero = true;
    ASSERT_TRUE(player.OpenAndPlay("bell.mp3", 1));
    bell.volumeSaved = true;
    bell.savedVolume = 80;
    mixer.volume = 8;
    mixer.calls.clear();
    player.EndBell();
    EXPECT_EQ(mixer.calls, (Calls{"mute", "volume 80"}));
    EXPECT_FALSE(bell.volumeSaved);
    soundZero = false;
    mixer.calls.clear();
    player.EndBell();
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
        mixer.calls.clear();
    }
};

TEST_F(Fade, ALateStartSavesTheVolumeFirst) {
    bell.musicSecondsLeft = 3;
    EXPECT_FALSE(player.FadeStep());  // two seconds left, without the earlier steps
    EXPECT_TRUE(bell.volumeSaved);
    EXPECT_EQ(bell.savedVolume, 80);
    EXPECT_EQ(mixer.volume, 655 * 8);
}

TEST_F(Fade, AnUnreadableVolumeIsNeitherFadedNorRestoredToAGuess) {
    bell.musicSecondsLeft = 6;
    mixer.available = false;
    for (int t = 0; t < 5; ++t) player.FadeStep();
    EXPECT_FALSE(bell.volumeSaved);
    mixer.available = true;
    mixer.calls.clear();
    EXPECT_TRUE(player.FadeStep());
    EXPECT_EQ(mixer.calls, Calls{});
    EXPECT_EQ(mixer.volume, 655 * 80);
}

// Counted, not read off the clock: 13 hours are 13 hours (compared as
// seconds of the day, a list over 12 hours stopped after one second).
TEST_F(Fade, AListLongerThanHalfADayPlaysAllItsMinutes) {
    bell.musicSecondsLeft = 780 * 60;
    long played = 0;
    while (!player.FadeStep()) ++played;
    EXPECT_EQ(played, 780 * 60 - 1);
}

TEST(MasterVolume, ScalesToTheRawRangeHeldAtItsEndsAndRoundsHalvesToEven) {
    test::FakeMixer mixer;
    sound::sound_control control(mixer);
    mixer.range = {0, 65536};  // the sound server's full volume
    control.SetMasterVolume(100);
    EXPECT_EQ(mixer.volume, 65500);
    EXPECT_EQ(control.GetMasterVolume(), 100);
    control.SetMasterVolume(-5);
    EXPECT_EQ(mixer.volume, 0);
    // A mixer of 100 steps or fewer takes and gives the values as they are.
    mixer.range = {0, 64};
    control.SetMasterVolume(37);
    EXPECT_EQ(control.GetMasterVolume(), 37);
    for (auto [raw, shown] : {std::pair{1L, 0}, {3L, 2}, {199L, 100}})  // 0.5, 1.5, 99.5
        EXPECT_EQ(sound::sound_control::scaledVolume(raw, {0, 200}), shown) << raw;
}

}  // namespace
}  // namespace tollix
