#include "schedule/TextFile.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

using namespace datafiles;
using enum IntervalFile;

TEST(Lines, IntegersHaveBlanksOrAMinusAndBellsTheirTimeAndSound) {
    for (auto [n, line] : {std::pair{1, " 1 "}, {0, " 0 "}, {-1, "-1 "}, {23, " 23 "}})
        EXPECT_EQ(textfile::intLine(n), line);
    const std::pair<const char*, std::optional<int>> reads[] = {
        {" 17 ", 17}, {"-1 ", -1}, {"5", 5}, {"", {}}, {" x ", {}}, {"1 2", {}}, {"99999", {}}};
    for (auto [line, n] : reads)
        EXPECT_EQ(textfile::parseInt(line), n) << line;  // 99999: beyond 16 bits

    // A bell's line: its text form and parsing.
    EXPECT_EQ(BellEntry::text(7, 5, "bell.mp3"), "07hr 05min/bell.mp3");
    EXPECT_EQ(BellEntry::parse("08hr 30min/bell.mp3")->minuteOfDay, 510);
    // Only the first "/" separates time and sound.
    EXPECT_EQ(BellEntry::parse("10hr 00min/a/b.mp3")->sound, "a/b.mp3");
    for (const char* bad : {"24hr 00min/a.mp3", "10hr 60min/a.mp3", "10:00/a.mp3", ""})
        EXPECT_FALSE(BellEntry::parse(bad)) << bad;
}

class DataFiles : public ::testing::Test {
  protected:
    test::TempFolder dir;
    fs::path file(const char* name) const { return dir.path() / name; }
};

TEST_F(DataFiles, GeneralSettingsBytesAndRoundTrip) {
    const GeneralSettings s{1, -1, 2, 1, 1, 2, 0, 1};  // line by line
    ASSERT_EQ(writeGeneral(file("data.ini"), s), "");
    EXPECT_EQ(readBytes(file("data.ini")),
              " 1 \r\n-1 \r\n 2 \r\n 1 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n");
    EXPECT_EQ(readGeneral(file("data.ini")), s);
}

// The week list is its lines; a day list (or a template) has "No rings" first.
TEST_F(DataFiles, ListsByteForByteAndBack) {
    const std::vector<std::string> lines{"07hr 05min/bell.mp3", "08hr 30min/10_music"};
    for (const auto& week : {std::vector<std::string>{}, lines}) {
        ASSERT_EQ(writeWeekList(file("mdata.ini"), week), "");
        EXPECT_EQ(readBytes(file("mdata.ini")),
                  week.empty() ? "" : "07hr 05min/bell.mp3\r\n08hr 30min/10_music\r\n");
        EXPECT_EQ(readWeekList(file("mdata.ini")), week);
    }
    for (const DayList& day : {DayList{}, DayList{1, lines}}) {
        ASSERT_EQ(writeDayList(file("mdata_3.ini"), day), "");
        EXPECT_EQ(readBytes(file("mdata_3.ini")),
                  day.nobell ? " 1 \r\n07hr 05min/bell.mp3\r\n08hr 30min/10_music\r\n" : " 0 \r\n");
        const DayList back = readDayList(file("mdata_3.ini"));
        EXPECT_EQ(back.nobell, day.nobell);
        EXPECT_EQ(back.lines, day.lines);
    }
}

// The week's file starts from the initial controls; a day's carries "No rings" as line 7.
TEST_F(DataFiles, IntervalsWeekAndDay) {
    ASSERT_EQ(writeIntervals(file("adata.ini"), {}, Week), "");
    EXPECT_EQ(readBytes(file("adata.ini")),
              "5\r\n0\r\n23\r\n0\r\n50\r\n10\r\n\r\n\r\n 0 \r\n1\r\n\r\n 0 \r\n1\r\n\r\n");
    const IntervalSettings s{"8",       "0", "23", "0",       "45", "10", 1, "start.mp3",
                             "5_music", 1,   "3",  "pre.wav", 0,    "2",  ""};
    ASSERT_EQ(writeIntervals(file("adata_2.ini"), s, Day), "");
    EXPECT_EQ(readBytes(file("adata_2.ini")),
              "8\r\n0\r\n23\r\n0\r\n45\r\n10\r\n 1 \r\nstart.mp3\r\n5_music\r\n 1 \r\n3\r\n"
              "pre.wav\r\n 0 \r\n2\r\n\r\n");
    EXPECT_EQ(readIntervals(file("adata_2.ini"), Day), s);
    // The week layout has no line for "No rings".
    IntervalSettings week = s;
    week.nobell = 0;
    ASSERT_EQ(writeIntervals(file("adata.ini"), s, Week), "");
    EXPECT_EQ(readIntervals(file("adata.ini"), Week), week);
}

TEST_F(DataFiles, MissingShortAndDamagedFilesKeepWhatIsGoodAndInitialiseTheRest) {
    EXPECT_EQ(readGeneral(file("none.ini")), GeneralSettings{});
    EXPECT_EQ(readIntervals(file("none.ini"), Day), IntervalSettings{});
    EXPECT_EQ(readDayList(file("none.ini")).nobell, 0);

    // Two good lines, then a word where a number belongs, then the file ends.
    writeBytes(file("data.ini"), " 1 \r\n 3 \r\nmanual\r\n");
    EXPECT_EQ(readGeneral(file("data.ini")), (GeneralSettings{.auto_exe = 1, .fileListIndex = 3}));

    // An over-long line and a check box state that is no state.
    writeBytes(file("adata.ini"), "7\r\n" + std::string(100000, '9') +
                                      "\r\n23\r\n0\r\n50\r\n10\r\n"
                                      "a.mp3\r\nb.mp3\r\n 5 \r\n");
    EXPECT_EQ(readIntervals(file("adata.ini"), Week),
              (IntervalSettings{"7", "0", "23", "0", "50", "10", 0, "a.mp3", "b.mp3", 0, "1", "", 0,
                                "1", ""}));

    // Lists skip what is no bell and take bare line feeds.
    writeBytes(file("mdata_5.ini"), " 0 \n07hr 00min/a.mp3\ngarbage\n\n08hr 00min/b.mp3");
    EXPECT_EQ(readDayList(file("mdata_5.ini")).lines,
              (std::vector<std::string>{"07hr 00min/a.mp3", "08hr 00min/b.mp3"}));
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
    writeBytes(file("mdata.ini"), junk);
    EXPECT_TRUE(readWeekList(file("mdata.ini")).empty());
    EXPECT_EQ(readGeneral(file("mdata.ini")), GeneralSettings{});
    EXPECT_NE(writeWeekList(dir.path() / "missing" / "mdata.ini", {}), "");
}

}  // namespace
}  // namespace tollix
