#include "sound/SoundLibrary.h"
#include "tests/support/Doubles.h"

#include <gtest/gtest.h>

namespace tollix {
namespace {

TEST(SoundLibrary, PlayableFilesAndMusicFolders) {
    EXPECT_TRUE(sound::isPlayableFile("a.MP3"));
    EXPECT_TRUE(sound::isPlayableFile("b.wma"));
    EXPECT_FALSE(sound::isPlayableFile("b.txt"));
    EXPECT_FALSE(sound::isPlayableFile("mp3"));
    EXPECT_EQ(sound::musicMinutes("5_morning"), 5);
    EXPECT_EQ(sound::musicMinutes("7"), 7);
    EXPECT_EQ(sound::musicMinutes("0_silence"), 0);
    EXPECT_EQ(sound::musicMinutes("abc_music"), 0);
    EXPECT_EQ(sound::musicMinutes("x.y_3"), 0);
    EXPECT_EQ(sound::musicMinutes("3.5_x"), 0);
}

TEST(SoundLibrary, ScanListsFoldersAndFilesInListOrder) {
    test::TempFolder dir;
    const auto sound = dir.path();
    test::writeBytes(sound / "a.MP3", "x");
    test::writeBytes(sound / "b.txt", "x");
    test::writeBytes(sound / "Zed.wav", "x");
    test::writeBytes(sound / "bell.mp3", "x");
    test::writeBytes(sound / "x.y_3" / "in.mp3", "x");
    test::writeBytes(sound / "5_morning" / "A.mp3", "x");
    test::writeBytes(sound / "0_silence" / "A.mp3", "x");
    std::filesystem::create_directory(sound / "15_lunch");
    // A name that could not be stored on one line of a data file.
    test::writeBytes(sound / "two\nlines.mp3", "x");
    EXPECT_EQ(sound::SoundFolderScan(sound),
              (std::vector<std::string>{"15_lunch", "5_morning", "a.MP3", "bell.mp3", "Zed.wav"}));
}

TEST(SoundLibrary, MissingFolderRaises) {
    test::TempFolder dir;
    EXPECT_THROW(sound::SoundFolderScan(dir.path() / "sound"), std::filesystem::filesystem_error);
}

TEST(SoundLibrary, ListOrderIgnoresCase) {
    EXPECT_TRUE(sound::listOrderLess("apple", "Banana"));
    EXPECT_TRUE(sound::listOrderLess("Apple", "banana"));
    EXPECT_FALSE(sound::listOrderLess("b", "A"));
    EXPECT_TRUE(sound::listOrderLess("ab", "abc"));
}

}  // namespace
}  // namespace tollix
