#include "system/ExitIni.h"
#include "tests/support/Doubles.h"

#include <gtest/gtest.h>

namespace tollix {
namespace {

TEST(ExitIni, ThreeIntegerLines) {
    test::TempFolder dir;
    const auto file = dir.path() / "exit.ini";
    ASSERT_EQ(WriteExitIni(file, ExitSettings{1, 7, 5}), "");
    EXPECT_EQ(test::readBytes(file), " 1 \r\n 7 \r\n 5 \r\n");
    EXPECT_EQ(ReadExitIni(file), (ExitSettings{1, 7, 5}));
}

TEST(ExitIni, ReadsTheReservedTime) {
    test::TempFolder dir;
    const auto file = dir.path() / "exit.ini";
    test::writeBytes(file, "1\r\n17\r\n30\r\n");
    EXPECT_EQ(ReadExitIni(file), (ExitSettings{1, 17, 30}));
}

TEST(ExitIni, BadOrMissingLinesGiveTheInitialValues) {
    test::TempFolder dir;
    const auto file = dir.path() / "exit.ini";
    EXPECT_EQ(ReadExitIni(file), ExitSettings{});
    test::writeBytes(file, " 1 \r\n 25 \r\n");
    EXPECT_EQ(ReadExitIni(file), (ExitSettings{1, 0, 0}));
    test::writeBytes(file, "on\r\n 6 \r\n -5 \r\n");
    EXPECT_EQ(ReadExitIni(file), (ExitSettings{0, 6, 0}));
}

}  // namespace
}  // namespace tollix
