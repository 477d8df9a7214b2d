// Start-up under bad luck: files that cannot be read, and problems that must
// not hold the schedule.
#include "sound/BellSynth.h"
#include "tests/support/WindowDoubles.h"

#include <sys/stat.h>

namespace tollix {
namespace {

class StartUp : public test::WindowTest {};

// Said once, left as it is by start-up, replaced only when the operator
// changes a setting it holds, and then kept beside the new file.
TEST_F(StartUp, AnUnreadableDataIniIsKeptUntilTheOperatorChangesASetting) {
    const fs::path aside = paths.dataIni().string() + ".unreadable";
    for (const std::string bytes : {"", "\x01garbage\r\n"}) {
        SCOPED_TRACE(bytes);
        window.reset();
        messages.shown.clear();
        fs::remove(aside);
        writeBytes(paths.dataIni(), bytes);

        main& w = load(services());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.contains(u"data.ini"_s));
        EXPECT_EQ(readBytes(paths.dataIni()), bytes);
        w.bellRepeat->setValue(1);  // the operator's change
        EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).bellRepeat, 1);
        EXPECT_EQ(readBytes(aside), bytes);
    }
}

// Every start-up problem in one box, after the schedule has started.
TEST_F(StartUp, ProblemsAreSaidInOneBoxAndTheScheduleStartsAllTheSame) {
    fs::remove(paths.exitIni());
    fs::create_directory(paths.exitIni());
    ASSERT_EQ(::mkfifo(paths.holidaysIni().c_str(), 0644), 0);
    test::save(paths.dataIni(), {.auto_exe = 1, .timeMode = 2, .autoMode = 2});  // to the tray
    const std::string bell = sound::kSynthBells[0].fileName;
    ASSERT_EQ(datafiles::writeWeekList(paths.weekList(), {"08hr 30min/" + bell}), "");

    main& w = load(services());
    EXPECT_FALSE(w.start->isEnabled()) << "the schedule did not start";
    EXPECT_TRUE(w.inTray());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, u"TOLLIX"_s);
    EXPECT_TRUE(messages.shown[0].text.contains(u"exit.ini: is a folder"_s));
    EXPECT_TRUE(messages.shown[0].text.contains(u"holidays.ini: is a FIFO"_s));
}

}  // namespace
}  // namespace tollix
