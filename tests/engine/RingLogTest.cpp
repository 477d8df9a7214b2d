// The ring record on disk: its line, its size, its rotation.
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

const LocalTime kMorning{2026, 12, 7, 8, 30, 0, 12, 2, 3600};

TEST(RingLog, ALineIsTabSeparatedWithLocalTimeAndOffsetAndNeverSplit) {
    EXPECT_EQ(RingLog::line({kMorning, RingOutcome::Rang, "bell.mp3", "scheduled 08:30"}),
              "2026-12-07T08:30:00.012+01:00\trang\tbell.mp3\tscheduled 08:30\n");
    LocalTime west = kMorning;
    west.utcOffsetSeconds = -(3 * 3600 + 1800);
    EXPECT_EQ(RingLog::line({west, RingOutcome::Held, "a\tb\nc.mp3", "x"}),
              "2026-12-07T08:30:00.012-03:30\theld\ta b c.mp3\tx\n");
    west.utcOffsetSeconds = 0;
    EXPECT_NE(RingLog::line({west, RingOutcome::Held, "a", "x"}).find(".012+00:00\t"),
              std::string::npos);

    // An absurd name is cut, at a character's start, never split over lines.
    std::string name;
    while (name.size() < 9000) name += "ä";
    const std::string line = RingLog::line({kMorning, RingOutcome::Missed, name, "why"});
    EXPECT_LE(line.size(), RingLog::kLineBytes);
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    EXPECT_NE(line.find("\twhy\n"), std::string::npos);
    const auto sound = line.find("\tmissed\t") + 8;
    const auto kept = line.find('\t', sound) - sound;
    EXPECT_GT(kept, RingLog::kLineBytes / 2);
    EXPECT_EQ(kept % 2, 0u) << "a two-byte character was split";
}

TEST(RingLog, RotatesBeforeTheLimitKeepingOneOldFileAndReadsBackAcrossIt) {
    test::TempFolder dir;
    const auto file = dir.path() / "state" / "tollix" / "rings.log";
    RingLog log(file, 200);
    const auto descriptors = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), {});
    };
    const auto open = descriptors();
    for (int i = 0; i < 9; ++i)
        ASSERT_EQ(log.append({kMorning, RingOutcome::Rang, "s" + std::to_string(i), "r"}), "");
    EXPECT_EQ(descriptors(), open) << "a line left its file open: weeks later nothing opens";
    const fs::path old = file.string() + ".1";
    EXPECT_LE(fs::file_size(file), 200u);
    EXPECT_LE(fs::file_size(old), 200u);
    EXPECT_FALSE(fs::exists(file.string() + ".2"));
    const auto last = RingLog::lastLines(file, 6);  // s5 to s8 are in the newer file
    ASSERT_EQ(last.size(), 6u);
    EXPECT_NE(last[0].find("\ts3\t"), std::string::npos) << last[0];
    EXPECT_NE(last[5].find("\ts8\t"), std::string::npos) << last[5];

    // An old file that cannot be replaced is said, not passed over.
    fs::remove(old);
    fs::create_directories(old / "in the way");
    std::string said;
    for (int i = 0; i < 4 && said.empty(); ++i)
        said = log.append({kMorning, RingOutcome::Rang, "t", "r"});
    EXPECT_NE(said.find("rings.log.1: "), std::string::npos) << said;
}

TEST(RingLog, LivesInXdgStateHomeWhenItIsAbsolute) {
    const test::ScopedEnv state("XDG_STATE_HOME", "/srv/state");
    EXPECT_EQ(RingLog::defaultFile(), "/srv/state/tollix/rings.log");
    const test::ScopedEnv relative("XDG_STATE_HOME", "relative/is/ignored"), home("HOME", "/h");
    EXPECT_EQ(RingLog::defaultFile(), "/h/.local/state/tollix/rings.log");
}

}  // namespace
}  // namespace tollix
