// What the sound folder offers: its sounds, its music folders and their lists.
#include "sound/MusicList.h"
#include "sound/SoundFolder.h"
#include "sound/SoundLibrary.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

using Names = std::vector<std::string>;

class MusicLists : public ::testing::Test {
  protected:
    test::TempFolder dir;
    fs::path sound = dir.path();
    sound::MusicList list;

    void files(const fs::path& folder, const Names& names) {
        for (const auto& name : names) writeBytes(folder / name, "x");
    }
    // The first `count` files a list plays, below the sound folder.
    Names playing(fs::path first, int count) {
        Names order;
        for (int i = 0; i < count && !first.empty(); ++i) {
            order.push_back(fs::relative(first, sound).string());
            first = sound::NextMusicFile(list, sound);
        }
        return order;
    }
};

// The intro (the last "##" file listed) first, then the others in character
// order, upper case first, around and around.
TEST_F(MusicLists, IntroThenTheFilesInCharacterOrderAround) {
    files(sound / "7", {"b.wav", "C.mp3", "a.wma", "B.mp3", "notes.txt"});
    EXPECT_EQ(playing(sound::StartMusicList(list, sound, "7"), 5),
              (Names{"7/B.mp3", "7/C.mp3", "7/a.wma", "7/b.wav", "7/B.mp3"}));
    EXPECT_EQ(list.musicIntroFile, "N");
    files(sound / "3_x", {"##b.mp3", "##a.mp3", "song.mp3"});
    EXPECT_EQ(playing(sound::StartMusicList(list, sound, "3_x"), 3),
              (Names{"3_x/##b.mp3", "3_x/song.mp3", "3_x/song.mp3"}));
}

// Rung by hand a list needs files of its own; the schedule falls back to the
// first file of the sound folder.
TEST_F(MusicLists, TheScheduleFallsBackToTheSoundFolder) {
    files(sound, {"zz.mp3", "Bell.wav", "readme.txt"});
    files(sound / "2_x", {"##intro.wav"});
    EXPECT_TRUE(sound::StartMusicList(list, sound, "2_x").empty());
    EXPECT_EQ(list.musicFileCount(), 0);
    EXPECT_EQ(playing(sound::StartScheduledMusicList(list, sound, "2_x"), 3),
              (Names{"2_x/##intro.wav", "Bell.wav", "Bell.wav"}));
    EXPECT_EQ(playing(sound::StartScheduledMusicList(list, sound, "10_gone"), 2),
              (Names{"Bell.wav", "Bell.wav"}));
    EXPECT_EQ(list.musicFolder, "10_gone");
}

TEST_F(MusicLists, NoPlayableFileAnywhereGivesNothingToPlay) {
    files(sound, {"readme.txt"});
    fs::create_directories(sound / "d.mp3");  // a folder, not a file
    fs::create_directory(sound / "4_empty");
    EXPECT_TRUE(sound::StartScheduledMusicList(list, sound, "4_empty").empty());
    EXPECT_EQ(list.musicFileCount(), 0);
    EXPECT_FALSE(sound::firstPlayableFile(sound).has_value());
    EXPECT_TRUE(sound::NextMusicFile(list, sound).empty());
}

TEST(SoundLibrary, MusicFoldersAreNamedByTheirMinutes) {
    const std::pair<const char*, int> folders[] = {{"15_lunch", 15},        {"790", 790},
                                                   {"1234567_too_long", 0}, {"0_silence", 0},
                                                   {"abc_music", 0},        {"3.5_x", 0}};
    for (auto [name, minutes] : folders) EXPECT_EQ(sound::musicMinutes(name), minutes) << name;
}

// Folders and sound files, in list order without regard to case; names that
// could not stand on one line of a data file are left out.
TEST(SoundLibrary, ScanListsFoldersAndFilesInListOrder) {
    test::TempFolder dir;
    const auto sound = dir.path();
    for (const char* name :
         {"a.MP3", "b.txt", "Zed.wav", "bell.mp3", "x.y_3/in.mp3", "5_morning/A.mp3",
          "0_silence/A.mp3", "two\nlines.mp3", "mp3", "c.Ogg", "d.flac"})
        writeBytes(sound / name, "x");
    fs::create_directory(sound / "15_lunch");
    EXPECT_EQ(sound::SoundFolderScan(sound),
              (std::vector<std::string>{"15_lunch", "5_morning", "a.MP3", "bell.mp3", "c.Ogg",
                                        "d.flac", "Zed.wav"}));
    EXPECT_THROW(sound::SoundFolderScan(sound / "sound"), fs::filesystem_error);
}

// Sounds taken in: a new one copied, the same one again left alone, a
// different one of the same name replaced only when the operator says so.
TEST(AddSounds, CopiesNewLeavesTheSameAndAsksBeforeReplacing) {
    test::TempFolder dir;
    const auto from = dir.path() / "from", folder = dir.path() / "sound";
    const std::pair<fs::path, const char*> files[] = {
        {folder / "same.wav", "bell"}, {folder / "other.mp3", "old"}, {folder / "kept.ogg", "old"},
        {from / "new.flac", "new"},    {from / "same.wav", "bell"},   {from / "other.mp3", "new"},
        {from / "kept.ogg", "new"},    {from / "notes.txt", "new"}};
    for (const auto& [file, bytes] : files) writeBytes(file, bytes);
    std::vector<std::string> asked;
    const auto added =
        sound::addSounds({from / "new.flac", from / "same.wav", from / "other.mp3",
                          from / "kept.ogg", from / "notes.txt", folder / "same.wav"},
                         folder, [&asked](const std::string& name) {
                             asked.push_back(name);
                             return name == "other.mp3";
                         });
    using enum sound::Added;
    const std::tuple<const char*, sound::Added, const char*> rows[] = {
        {"new.flac", Copied, "new"},  {"same.wav", AlreadyThere, "bell"},
        {"other.mp3", Copied, "new"}, {"kept.ogg", Kept, "old"},
        {"notes.txt", Failed, "-"},   {"same.wav", AlreadyThere, "bell"}};
    ASSERT_EQ(added.size(), std::size(rows));
    for (std::size_t i = 0; i < added.size(); ++i) {
        const auto& [name, outcome, bytes] = rows[i];
        EXPECT_EQ(added[i].name, name);
        EXPECT_EQ(added[i].added, outcome) << name;
        const auto file = folder / name;  // "-": not there
        EXPECT_EQ(fs::exists(file) ? readBytes(file) : "-", bytes) << name;
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"other.mp3", "kept.ogg"}));
    EXPECT_EQ(sound::SoundFolderScan(folder).size(), 4u);  // no copy left half-way
}

TEST(SoundFolderWatch, AFileCopiedInByHandIsListedAMomentLater) {
    test::TempFolder dir;
    writeBytes(dir.path() / "b.wav", "x");
    sound::SoundFolderWatch watch(dir.path());
    std::vector<std::string> list;
    QObject::connect(&watch, &sound::SoundFolderWatch::changed,
                     [&list](const std::vector<std::string>& now) { list = now; });
    writeBytes(dir.path() / "a.mp3", "x");
    EXPECT_TRUE(QTest::qWaitFor([&list] { return !list.empty(); }, 5000));
    EXPECT_EQ(list, (std::vector<std::string>{"a.mp3", "b.wav"}));
}

}  // namespace
}  // namespace tollix
