#include "sound/SoundLibrary.h"
#include "tests/support/Doubles.h"

#include <gtest/gtest.h>

namespace tollix {
namespace {

TEST(SoundLibrary, MusicFoldersAreNamedByTheirMinutes) {
    for (auto [name, minutes] : {std::pair{"5_morning", 5},
                                 {"7", 7},
                                 {"0_silence", 0},
                                 {"abc_music", 0},
                                 {"x.y_3", 0},
                                 {"3.5_x", 0}})
        EXPECT_EQ(sound::musicMinutes(name), minutes) << name;
}

// Folders and sound files, in list order without regard to case; names that
// could not stand on one line of a data file are left out.
TEST(SoundLibrary, ScanListsFoldersAndFilesInListOrder) {
    test::TempFolder dir;
    const auto sound = dir.path();
    for (const char* name : {"a.MP3", "b.txt", "Zed.wav", "bell.mp3", "x.y_3/in.mp3",
                             "5_morning/A.mp3", "0_silence/A.mp3", "two\nlines.mp3", "mp3"})
        test::writeBytes(sound / name, "x");
    std::filesystem::create_directory(sound / "15_lunch");
    EXPECT_EQ(sound::SoundFolderScan(sound),
              (std::vector<std::string>{"15_lunch", "5_morning", "a.MP3", "bell.mp3", "Zed.wav"}));
    EXPECT_THROW(sound::SoundFolderScan(sound / "sound"), std::filesystem::filesystem_error);
}

}  // namespace
}  // namespace tollix
