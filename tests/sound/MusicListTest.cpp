#include "sound/MusicList.h"
#include "tests/support/Doubles.h"

#include <gtest/gtest.h>

namespace tollix {
namespace {

using Names = std::vector<std::string>;
namespace fs = std::filesystem;

class MusicLists : public ::testing::Test {
  protected:
    test::TempFolder dir;
    fs::path sound = dir.path();
    sound::MusicList list;

    void files(const fs::path& folder, const Names& names) {
        for (const auto& name : names) test::writeBytes(folder / name, "x");
    }
    // The files a list plays, first `count` of them, as paths below the sound folder.
    Names playing(fs::path first, int count) {
        Names order;
        for (int i = 0; i < count && !first.empty(); ++i) {
            order.push_back(fs::relative(first, sound).string());
            first = sound::NextMusicFile(list, sound);
        }
        return order;
    }
};

TEST_F(MusicLists, IntroFirstThenTheFilesInCharacterOrderAround) {
    files(sound, {"a.MP3", "b.txt"});
    files(sound / "5_morning", {"##intro.mp3", "b.mp3", "A.mp3", "notes.txt"});
    const fs::path first = sound::StartMusicList(list, sound, "5_morning");
    EXPECT_EQ(list.musicIntroFile, "##intro.mp3");
    EXPECT_EQ(list.musicFiles, (Names{"A.mp3", "b.mp3"}));
    EXPECT_EQ(list.musicNextIndex, 1);
    EXPECT_EQ(playing(first, 6),
              (Names{"5_morning/##intro.mp3", "5_morning/A.mp3", "5_morning/b.mp3",
                     "5_morning/A.mp3", "5_morning/b.mp3", "5_morning/A.mp3"}));
}

TEST_F(MusicLists, WithoutIntroTheFirstFileLeadsAndUpperCaseSortsFirst) {
    files(sound / "7", {"b.wav", "C.mp3", "a.wma", "B.mp3"});
    const fs::path first = sound::StartMusicList(list, sound, "7");
    EXPECT_EQ(list.musicIntroFile, "N");
    EXPECT_EQ(list.musicFiles, (Names{"B.mp3", "C.mp3", "a.wma", "b.wav"}));
    EXPECT_EQ(list.musicNextIndex, 2);
    EXPECT_EQ(playing(first, 5), (Names{"7/B.mp3", "7/C.mp3", "7/a.wma", "7/b.wav", "7/B.mp3"}));
}

TEST_F(MusicLists, OfSeveralIntrosTheLastListedWins) {
    files(sound / "3_x", {"##b.mp3", "##a.mp3", "song.mp3"});
    sound::StartMusicList(list, sound, "3_x");
    EXPECT_EQ(list.musicIntroFile, "##b.mp3");
    EXPECT_EQ(list.musicFiles, (Names{"song.mp3"}));
}

TEST_F(MusicLists, OnlyAnIntroCannotBeRungByHandButTheScheduleFallsBack) {
    files(sound, {"zz.mp3", "Bell.wav", "readme.txt"});
    files(sound / "2_x", {"##intro.wav"});
    EXPECT_TRUE(sound::StartMusicList(list, sound, "2_x").empty());
    EXPECT_EQ(list.musicFileCount(), 0);

    const fs::path first = sound::StartScheduledMusicList(list, sound, "2_x");
    EXPECT_EQ(list.musicFiles, (Names{"Bell.wav"}));
    EXPECT_EQ(playing(first, 4), (Names{"2_x/##intro.wav", "Bell.wav", "Bell.wav", "Bell.wav"}));
}

TEST_F(MusicLists, AMissingFolderPlaysTheFirstFileOfTheSoundFolder) {
    files(sound, {"b.mp3", "A.mp3"});
    const fs::path first = sound::StartScheduledMusicList(list, sound, "10_gone");
    EXPECT_EQ(list.musicFolder, "10_gone");
    EXPECT_EQ(list.musicFiles, (Names{"A.mp3"}));
    EXPECT_EQ(list.musicNextIndex, 2);
    EXPECT_EQ(playing(first, 2), (Names{"A.mp3", "A.mp3"}));
}

TEST_F(MusicLists, NoPlayableFileAnywhereGivesNothingToPlay) {
    files(sound, {"readme.txt"});
    fs::create_directory(sound / "4_empty");
    EXPECT_TRUE(sound::StartScheduledMusicList(list, sound, "4_empty").empty());
    EXPECT_EQ(list.musicFileCount(), 0);
    EXPECT_FALSE(sound::firstPlayableFile(sound).has_value());
    EXPECT_TRUE(sound::NextMusicFile(list, sound).empty());
}

TEST_F(MusicLists, FolderListingsIgnoreCaseAndSubfolders) {
    files(sound, {"b.mp3", "A.WAV", "c.txt"});
    fs::create_directories(sound / "d.mp3");  // a folder, not a file
    EXPECT_EQ(sound::playableFiles(sound), (Names{"A.WAV", "b.mp3"}));
    EXPECT_EQ(sound::firstPlayableFile(sound), "A.WAV");
}

}  // namespace
}  // namespace tollix
