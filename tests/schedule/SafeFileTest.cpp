#include "schedule/SafeFile.h"
#include "tests/support/Doubles.h"
#include "tests/support/Mounts.h"

#include <fstream>

#include <sys/stat.h>

namespace tollix {
namespace {

using Status = safefile::Reading::Status;
using namespace std::string_literals;

// What is no file is neither read (nor waited on, nor read without end) nor
// replaced; a link stays a link. "fifo", "dir" and "->" make what they say.
TEST(SafeFile, HostileFilesAreReadOrRefusedNeverWaitedOnOrReplaced) {
    const std::vector<std::tuple<std::string, Status, std::string, bool>> cases = {
        {"\xEF\xBB\xBF 1 \r\n", Status::Read, " 1 \r\n", true},
        {"\xFF\xFE\x31\0\r\0\n\0"s, Status::Read, "1\r\n", true},
        {"\xFE\xFF\0\x31"s, Status::Read, "1", true},
        {"", Status::Read, "", true},
        {"\0\x01\xFFz"s, Status::Read, "\0\x01\xFFz"s, true},
        {"->real", Status::Read, "old", true},
        {"missing", Status::Missing, "", true},
        {"dir", Status::Unreadable, "", false},
        {"fifo", Status::Unreadable, "", false},
        {"->/dev/null", Status::Unreadable, "", false},
        {"->/dev/zero", Status::Unreadable, "", false},
        {std::string(safefile::kDataLimit + 1, 'x'), Status::Unreadable, "", true}};
    for (const auto& [make, status, text, replaceable] : cases) {
        SCOPED_TRACE(make.substr(0, 20));
        test::TempFolder dir;
        const fs::path file = dir.path() / "data.ini";
        writeBytes(dir.path() / "real", "old");
        if (make == "dir")
            fs::create_directory(file);
        else if (make == "fifo")
            ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        else if (make.starts_with("->"))
            fs::create_symlink(make.substr(2), file);
        else if (make != "missing")
            writeBytes(file, make);
        const auto reading = safefile::read(file, safefile::kDataLimit);
        EXPECT_EQ(reading.status, status);
        EXPECT_EQ(reading.bytes, text);
        EXPECT_EQ(reading.error.empty(), status != Status::Unreadable) << reading.error;

        const auto before = fs::symlink_status(file).type();
        const auto target = fs::status(file).type();
        const std::string error = safefile::write(file, " 0 \r\n");
        EXPECT_EQ(error.empty(), replaceable) << error;
        if (before != fs::file_type::not_found) {
            EXPECT_EQ(fs::symlink_status(file).type(), before);
        }
        EXPECT_EQ(fs::status(file).type(), replaceable ? fs::file_type::regular : target);
        if (replaceable) {
            EXPECT_EQ(readBytes(file), " 0 \r\n");
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2) << "a file left over";
    }
}

// The record read from its end keeps whole lines only.
TEST(SafeFile, TheTailKeepsWholeLines) {
    test::TempFolder dir;
    const fs::path log = dir.path() / "rings.log";
    writeBytes(log, "first line\nsecond\nthird\n");
    for (const auto& [limit, tail] :
         {std::pair{14, "second\nthird\n"}, {13, "second\nthird\n"}, {12, "third\n"}})
        EXPECT_EQ(safefile::readTail(log, limit).bytes, tail) << limit;
}

// A full disk: the caller hears why, and the old file stays byte for byte.
TEST(SafeFile, AFullDiskKeepsTheOldFileAndSaysSo) {
    test::TempFolder dir;
    test::SmallFileSystem disk(dir.path(), "64k");
    if (!disk.error().empty())
        GTEST_SKIP() << "no small file system to fill: " << disk.error();
    const fs::path file = dir.path() / "data.ini";
    ASSERT_EQ(datafiles::writeGeneral(file, GeneralSettings{}), "");
    const std::string old = readBytes(file);
    std::ofstream filler(dir.path() / "filler", std::ios::binary);
    while (filler.write(old.data(), static_cast<std::streamsize>(old.size())) && filler.flush()) {
    }
    const std::string error = datafiles::writeGeneral(file, {.bellRepeat = 1});
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_EQ(readBytes(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

}  // namespace
}  // namespace tollix
