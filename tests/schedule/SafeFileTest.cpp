#include "schedule/DataFiles.h"
#include "schedule/SafeFile.h"
#include "tests/support/Doubles.h"
#include "tests/support/Mounts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include <sys/stat.h>

namespace tollix {
namespace {

namespace fs = std::filesystem;
using Status = safefile::Reading::Status;

struct Hostile {
    const char* name;
    std::function<void(const fs::path&)> make;
    Status status;
    std::string text;  // what a reader gets, where it reads
    bool replaceable;  // whether a writer may put a file in its place
};

// Each through the reader and the writer: what is no file is neither read
// nor replaced (and nothing waits on a FIFO or reads an endless device).
TEST(SafeFile, HostileFilesAreReadOrRefusedNeverWaitedOnOrReplaced) {
    const auto bytes = [](std::string text) {
        return [text](const fs::path& p) { test::writeBytes(p, text); };
    };
    const auto link = [](const char* to) {
        return [to](const fs::path& p) { fs::create_symlink(to, p); };
    };
    const std::vector<Hostile> cases = {
        {"BOM", bytes("\xEF\xBB\xBF 1 \r\n"), Status::Read, " 1 \r\n", true},
        {"UTF-16LE",
         bytes(std::string("\xFF\xFE"
                           "1\0\r\0\n\0",
                           8)),
         Status::Read, "1\r\n", true},
        {"UTF-16BE",
         bytes(std::string("\xFE\xFF\0"
                           "1",
                           4)),
         Status::Read, "1", true},
        {"empty", bytes(""), Status::Read, "", true},
        {"garbage", bytes(std::string("\0\x01\xFFzz", 5)), Status::Read,
         std::string("\0\x01\xFFzz", 5), true},
        {"missing", [](const fs::path&) {}, Status::Missing, "", true},
        {"folder", [](const fs::path& p) { fs::create_directory(p); }, Status::Unreadable, "",
         false},
        {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
         Status::Unreadable, "", false},
        {"device through a link", link("/dev/null"), Status::Unreadable, "", false},
        {"endless device", link("/dev/zero"), Status::Unreadable, "", false},
        {"over-size", bytes(std::string(safefile::kDataLimit + 1, 'x')), Status::Unreadable, "",
         true},
    };
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder dir;
        const fs::path file = dir.path() / "data.ini";
        c.make(file);
        const auto reading = safefile::read(file, safefile::kDataLimit);
        EXPECT_EQ(reading.status, c.status);
        EXPECT_EQ(reading.bytes, c.text);
        EXPECT_EQ(reading.error.empty(), c.status != Status::Unreadable) << reading.error;

        const auto before = fs::symlink_status(file).type();
        const auto target = fs::status(file).type();
        const std::string error = safefile::write(file, " 0 \r\n");
        EXPECT_EQ(error.empty(), c.replaceable) << error;
        if (c.replaceable) {
            EXPECT_EQ(test::readBytes(file), " 0 \r\n");
        } else {
            EXPECT_EQ(fs::symlink_status(file).type(), before);
            EXPECT_EQ(fs::status(file).type(), target);
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1)
            << "a temporary file was left behind";
    }
}

// A link to a file stays a link; the file it names gets the new text.
TEST(SafeFile, ALinkToAFileStaysALink) {
    test::TempFolder dir;
    const fs::path real = dir.path() / "real.ini";
    const fs::path file = dir.path() / "data.ini";
    test::writeBytes(real, "old");
    ::chmod(real.c_str(), 0600);
    fs::create_symlink("real.ini", file);
    ASSERT_EQ(safefile::write(file, "new"), "");
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(test::readBytes(real), "new");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// A ring record read from its end: its last whole lines, however large it is.
TEST(SafeFile, TheTailIsTheLastWholeLines) {
    test::TempFolder dir;
    const fs::path file = dir.path() / "rings.log";
    test::writeBytes(file, "first line\nsecond\nthird\n");
    EXPECT_EQ(safefile::readTail(file, 14).bytes, "third\n");  // "second" begins outside
    EXPECT_EQ(safefile::readTail(file, 100).bytes, "first line\nsecond\nthird\n");
}

// What "cannot be read" means for data.ini: a byte-order mark is dropped; an
// empty file or a damaged first line leaves "Auto execution" unknown.
TEST(SafeFile, DataIniThatCannotSayAutoExecutionIsUnreadable) {
    test::TempFolder dir;
    const fs::path file = dir.path() / "data.ini";
    for (const auto& [bytes, unreadable, autoExe] :
         std::vector<std::tuple<std::string, bool, int>>{{"\xEF\xBB\xBF 1 \r\n", false, 1},
                                                         {" 1 \r\n", false, 1},
                                                         {"", true, 0},
                                                         {"\x01\x02garbage", true, 0},
                                                         {" 5 \r\n", true, 0}}) {
        test::writeBytes(file, bytes);
        std::string why;
        EXPECT_EQ(datafiles::readGeneral(file, &why).auto_exe, autoExe) << bytes;
        EXPECT_EQ(why.empty(), !unreadable) << bytes << why;
    }
}

// A full disk: the write fails, the caller hears why, and the old file stays
// byte for byte with no temporary file beside it.
TEST(SafeFile, AFullDiskKeepsTheOldFileAndSaysSo) {
    test::TempFolder dir;
    test::SmallFileSystem disk(dir.path(), "64k");
    if (!disk.error().empty())
        GTEST_SKIP() << "no small file system to fill: " << disk.error();
    const fs::path file = dir.path() / "data.ini";
    ASSERT_EQ(datafiles::writeGeneral(file, GeneralSettings{}), "");
    const std::string old = test::readBytes(file);
    {
        std::ofstream filler(dir.path() / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    }
    GeneralSettings changed;
    changed.bellRepeat = 1;
    const std::string error = datafiles::writeGeneral(file, changed);
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_EQ(test::readBytes(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 2);
}

}  // namespace
}  // namespace tollix
