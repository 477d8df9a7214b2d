#include "system/ExitIni.h"
#include "tests/support/Doubles.h"

#include <gtest/gtest.h>

namespace tollix {
namespace {

TEST(ExitIni, ThreeIntegerLines) {
    test::TempFolder dir;
    const auto file = dir.path() / "exit.ini";
    ASSERT_EQ(WriteExitIni(file, ExitSettings{1, 7, 5, {}, {}}), "");
    EXPECT_EQ(test::readBytes(file), " 1 \r\n 7 \r\n 5 \r\n");
    EXPECT_EQ(ReadExitIni(file), (ExitSettings{1, 7, 5, {}, {}}));
    test::writeBytes(file, "1\r\n17\r\n30\r\n");
    EXPECT_EQ(ReadExitIni(file), (ExitSettings{1, 17, 30, {}, {}}));
}

// A time that is no time of day never comes and is kept byte for byte: read
// as 0, hour 25 would switch the computer off at midnight.
TEST(ExitIni, MissingLinesGiveTheInitialValuesAndATimeOutOfRangeIsKeptAsItStands) {
    test::TempFolder dir;
    const auto file = dir.path() / "exit.ini";
    EXPECT_EQ(ReadExitIni(file), ExitSettings{});
    test::writeBytes(file, " 1 \r\n 25 \r\n");
    ExitSettings s = ReadExitIni(file);
    EXPECT_FALSE(s.timeValid());
    EXPECT_EQ(s.hourLine, " 25 ");
    EXPECT_FALSE(s.minuteLine.has_value());
    s.chkAutoExit = 0;
    ASSERT_EQ(WriteExitIni(file, s), "");
    EXPECT_EQ(test::readBytes(file), " 0 \r\n 25 \r\n 0 \r\n");

    test::writeBytes(file, "on\r\n 6 \r\n-5\r\n");
    s = ReadExitIni(file);
    EXPECT_EQ(s.chkAutoExit, 0);
    EXPECT_EQ(s.reservedExitHour, 6);
    EXPECT_EQ(s.minuteLine, "-5");
}

}  // namespace
}  // namespace tollix
