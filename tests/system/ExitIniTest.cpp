#include "tests/support/Doubles.h"

namespace tollix {
namespace {

// A time that is no time of day never comes and is kept byte for byte: read
// as 0, hour 25 would switch the computer off at midnight. (The window's tests
// read and write the usual file.)
TEST(ExitIni, TheLastMinuteIsATimeAndOneOutOfRangeIsKeptAsItStands) {
    test::TempFolder dir;
    const auto file = dir.path() / "exit.ini";
    EXPECT_EQ(ReadExitIni(file), ExitSettings{});
    writeBytes(file, "1\r\n23\r\n59\r\n");
    EXPECT_EQ(ReadExitIni(file), (ExitSettings{1, 23, 59, {}, {}}));
    writeBytes(file, " 1 \r\n 25 \r\n");
    ExitSettings s = ReadExitIni(file);
    EXPECT_FALSE(s.timeValid());
    EXPECT_EQ(s.hourLine, " 25 ");
    EXPECT_FALSE(s.minuteLine.has_value());
    s.chkAutoExit = 0;
    ASSERT_EQ(WriteExitIni(file, s), "");
    EXPECT_EQ(readBytes(file), " 0 \r\n 25 \r\n 0 \r\n");

    writeBytes(file, "on\r\n 6 \r\n-5\r\n");
    s = ReadExitIni(file);
    EXPECT_EQ(s.chkAutoExit, 0);
    EXPECT_EQ(s.reservedExitHour, 6);
    ASSERT_EQ(WriteExitIni(file, s), "");
    EXPECT_EQ(readBytes(file), " 0 \r\n 6 \r\n-5\r\n");
}

}  // namespace
}  // namespace tollix
