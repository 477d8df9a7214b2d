// The settings and their rules without a window: what each edit refuses and
// writes, where the day selector goes, and the bells a date gets.
#include "schedule/SafeFile.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

using Mode = ScheduleModel::TimeMode;
using Days = ScheduleModel::DayMode;
using enum Mode;
using enum Days;

class Model : public ::testing::Test {
  protected:
    test::TempFolder dir;
    AppPaths paths{dir.path()};
    ScheduleModel model{paths};
    std::vector<QString> notSaved;

    void SetUp() override {
        fs::create_directories(paths.dataFolder());
        QObject::connect(&model, &ScheduleModel::notSaved,
                         [this](const QString& why, bool) { notSaved.push_back(why); });
    }
    // data.ini with the two modes; Monday is today.
    void load(Mode time, Days days) {
        test::save(paths.dataIni(),
                   {.timeMode = static_cast<int>(time), .dayMode = static_cast<int>(days)});
        model.load(2);
    }
    std::string refused(const Outcome& outcome) { return outcome ? outcome->text : ""; }
};

TEST_F(Model, ListEditsRefuseInOrderAndWriteTheListAtOnce) {
    const std::string legacy =
        "08hr 00min/Gl\xfc"
        "ckchen.mp3";  // kept byte for byte
    writeBytes(paths.weekList(), legacy + "\r\n");
    load(Mode::Manual, Days::Week);
    const std::optional<std::string> none, bell = "bell.mp3";
    const struct {
        const char *hour, *minute;
        std::optional<std::string> sound;
        const char* message;
    } adds[] = {
        {"", "", none, "Select bell sound int [Select bell sound]"},
        {"", "", "morning", "Invalid music folder name. (Format : minutes_music folder name)"},
        {"", "", bell, "(Hour)Please input digit between 0 and 23"},
        {"8", "", bell, "(Minute)Please input digit between 0 and 59"},
        {"24", "0", bell, "(Hour)Please input digit between 0 and 23"},
        {"1.5", "0", bell, "(Hour)Please input digit between 0 and 23"},
        {"8", "60", bell, "(Minute)Please input digit between 0 and 59"},
        {"7", "5", "10_morning", ""},
        {"23", "0", bell, ""},
        {"7", "05", bell, "The corresponding time is being register already."}};
    for (const auto& add : adds)
        EXPECT_EQ(refused(model.addBell(add.hour, add.minute, add.sound)), add.message)
            << add.hour << ":" << add.minute;
    EXPECT_EQ(readBytes(paths.weekList()),
              "07hr 05min/10_morning\r\n" + legacy + "\r\n23hr 00min/bell.mp3\r\n");

    EXPECT_EQ(refused(model.deleteBell(-1)), "Select time that you want to delete in [Added time]");
    EXPECT_EQ(refused(model.modifyBell(3, bell)),
              "Select time that you want to modify in [Added time]");
    EXPECT_EQ(refused(model.modifyBell(0, none)), "Select bell sound in [Select bell sound]");
    EXPECT_FALSE(model.modifyBell(0, "morning"));  // no folder test when modifying
    EXPECT_FALSE(model.deleteBell(2));
    EXPECT_EQ(readBytes(paths.weekList()), "07hr 05min/morning\r\n" + legacy + "\r\n");
    model.deleteAllBells();
    EXPECT_EQ(readBytes(paths.weekList()), "");
    EXPECT_TRUE(notSaved.empty());
}

TEST_F(Model, TheSelectorSavesTheDayItLeavesAndWrapsByMode) {
    writeBytes(paths.dayList(8), " 1 \r\n06hr 00min/march.mp3\r\n");
    load(Mode::Manual, Days::EachDay);
    model.setNobell(1);
    EXPECT_FALSE(model.addBell("9", "0", "bell.mp3"));
    const struct {
        Mode mode;
        int to, day;
        const char* name;
    } moves[] = {{Manual, 8, 8, "templet1"}, {Manual, 14, 1, "Sunday"}, {Manual, 0, 13, "templet6"},
                 {Auto, 13, 7, "Saturday"},  {Auto, 8, 1, "Sunday"},    {Auto, 0, 7, "Saturday"},
                 {Auto, 12, 7, "Saturday"},  {Auto, 3, 3, "Tuesday"}};
    for (const auto& move : moves) {
        if (model.timeMode() != move.mode)
            model.setTimeMode(move.mode);
        EXPECT_FALSE(model.selectDay(move.to));
        EXPECT_EQ(model.day(), move.day) << move.to;
        EXPECT_EQ(model.dayName(), move.name) << move.to;
    }
    EXPECT_EQ(readBytes(paths.dayList(2)), " 1 \r\n09hr 00min/bell.mp3\r\n");
    EXPECT_EQ(readBytes(paths.dayList(8)), " 1 \r\n06hr 00min/march.mp3\r\n");

    // Fields that could not ring keep the day on screen, and nothing is written.
    IntervalSettings typed = model.intervals();
    typed.start_h.clear();
    model.setIntervals(typed);
    const auto before = test::snapshot(paths.dataFolder());
    EXPECT_EQ(refused(model.selectDay(4)), "Please input start hour");
    EXPECT_EQ(model.day(), 3);
    EXPECT_EQ(test::snapshot(paths.dataFolder()), before);
    typed.start_h = "6";
    model.setIntervals(typed);
    EXPECT_FALSE(model.selectDay(4));
    EXPECT_EQ(datafiles::readIntervals(paths.dayIntervals(3), datafiles::IntervalFile::Day).start_h,
              "6");
}

TEST_F(Model, TemplatesAndPickedSoundsGoToTheFileOnScreen) {
    writeBytes(paths.dayList(10), " 1 \r\n12hr 00min/bell.mp3\r\n08hr 00min/march.mp3\r\n");
    load(Mode::Manual, Days::Week);
    model.applyTemplate(3);
    EXPECT_EQ(readBytes(paths.weekList()), "08hr 00min/march.mp3\r\n12hr 00min/bell.mp3\r\n");
    model.setDayMode(Days::EachDay, 2);
    model.applyTemplate(3);
    EXPECT_EQ(readBytes(paths.dayList(2)),
              " 1 \r\n08hr 00min/march.mp3\r\n12hr 00min/bell.mp3\r\n");

    model.setTimeMode(Mode::Auto);
    EXPECT_EQ(refused(model.pickSound(IntervalSound::BeforeEnd, std::nullopt)),
              "Select bell sound from [Select bell sound]");
    EXPECT_FALSE(model.pickSound(IntervalSound::StartBell, "march.mp3"));
    EXPECT_FALSE(model.pickSound(IntervalSound::BeforeEnd, "morning"));
    EXPECT_EQ(
        readBytes(paths.dayIntervals(2)),
        "5\r\n0\r\n23\r\n0\r\n50\r\n10\r\n 0 \r\nmarch.mp3\r\n\r\n 0 \r\n1\r\n\r\n 0 \r\n1\r\n"
        "morning\r\n");
    EXPECT_EQ(datafiles::readGeneral(paths.dataIni()).timeMode, 1);
}

// A day that cannot be built says which and why; the calendar decides first.
TEST_F(Model, EachDateIsBuiltFromItsStoredSettings) {
    writeBytes(paths.weekIntervals(), "9\r\n0\r\n12\r\n0\r\n50\r\n10\r\na.mp3\r\nb.mp3\r\n");
    writeBytes(paths.dayIntervals(3), "25\r\n0\r\n23\r\n0\r\n50\r\n10\r\n 0 \r\n");
    writeBytes(paths.dayIntervals(4), "9\r\n0\r\n10\r\n30\r\n50\r\n10\r\n 1 \r\n");
    writeBytes(paths.dayIntervals(5), "9\r\n0\r\n10\r\n30\r\n50\r\n10\r\n 0 \r\ns.mp3\r\n");
    writeBytes(paths.holidaysIni(), "2026-12-24 Christmas\n2026-12-26 = Thursday\n");
    load(Mode::Auto, Days::EachDay);
    EXPECT_EQ(model.buildDay(*parseDate("2026-12-10")).clockLines,
              (std::vector<std::string>{"09hr00min", "09hr50min", "10hr00min"}));
    const struct {
        Mode mode;
        Days days;
        const char* date;  // in December 2026
        std::vector<int> times;
        const char* refusal = "";
    } builds[] = {
        {Auto, EachDay, "12-08", {}, "Tuesday: (Start Hour)Please input digit between 0 and 23"},
        {Auto, EachDay, "12-09", {}},  // "No rings"
        {Auto, EachDay, "12-10", {540, 590, 600}},
        {Auto, EachDay, "12-24", {}},               // a Thursday off
        {Auto, EachDay, "12-26", {540, 590, 600}},  // rings Thursday's
        {Auto, Week, "12-08", {540, 590, 650, 710, 600, 660, 720}},
        {Manual, Week, "12-08", {}, "Tuesday: nothing added time. please add time."},
    };
    for (const auto& build : builds) {
        if (model.timeMode() != build.mode)
            model.setTimeMode(build.mode);
        if (model.dayMode() != build.days)
            model.setDayMode(build.days, 2);
        const DayPlan plan = model.buildDay(*parseDate("2026-" + std::string(build.date)));
        EXPECT_EQ(plan.refusal, build.refusal) << build.date;
        std::vector<int> times(plan.bells.todayTimes.begin(),
                               plan.bells.todayTimes.begin() + plan.bells.todayCount);
        EXPECT_EQ(times, build.times) << build.date;
    }
}

TEST_F(Model, StartChecksTheSettingsOnScreenAndSavesThem) {
    load(Mode::Auto, Days::EachDay);
    EXPECT_EQ(refused(model.prepareStart(false)),
              "C:\\tollix\\sound folder must over one sound file");
    IntervalSettings typed = model.intervals();
    typed.ChkPreBell2 = 1;
    typed.TxtPreBell1 = "0";
    model.setIntervals(typed);
    EXPECT_EQ(refused(model.prepareStart(true)),
              "(Alarm after start bell time)Please input digit between 1 and 99");
    EXPECT_FALSE(model.selectDay(3));  // the day selector leaves the alarms alone
    typed.TxtPreBell1 = "5";
    model.setIntervals(typed);
    EXPECT_FALSE(model.prepareStart(true));
    EXPECT_EQ(model.dayIntervals(3).ChkPreBell2, 1);
    EXPECT_EQ(datafiles::readIntervals(paths.dayIntervals(3), datafiles::IntervalFile::Day),
              model.dayIntervals(3));
}

// A file that could not be read is said once, left alone by the program's own
// saves and replaced only for the operator's change, the old one kept aside.
TEST_F(Model, AnUnreadableFileIsReplacedOnlyForTheOperatorsChange) {
    std::vector<QString> said;
    QObject::connect(&model, &ScheduleModel::unreadable,
                     [&said](const QString& why) { said.push_back(why); });
    fs::create_directory(paths.exitIni());
    load(Mode::Manual, Days::Week);
    model.load(2);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_TRUE(said[0].contains(QStringLiteral("exit.ini"))) << said[0].toStdString();
    {
        const ScheduleModel::OwnSaves own(model);
        model.setAutoExit(true);
    }
    EXPECT_TRUE(fs::is_directory(paths.exitIni()));
    model.setAutoExit(true);
    EXPECT_TRUE(fs::is_directory(paths.exitIni().string() + ".unreadable"));
    EXPECT_EQ(ReadExitIni(paths.exitIni()).chkAutoExit, 1);
    EXPECT_TRUE(notSaved.empty());
}

// Another program's change is read again; one that cannot be read leaves the
// settings held as they were, and the program's own saves are not read again.
TEST_F(Model, FilesChangedOnDiskAreReadAgainUnlessUnreadable) {
    test::saveWeekList(paths.weekList(), {"08hr 30min/a.wav"});
    load(Mode::Manual, Days::Week);
    model.setSchoolClockMs(2000);
    model.setOutputs({"hall"});
    model.followFiles();
    QSignalSpy said(&model, &ScheduleModel::notReloaded);
    QSignalSpy days(&model, &ScheduleModel::daysReloaded);
    QSignalSpy outputs(&model, &ScheduleModel::outputsChanged);
    const GeneralSettings general = model.general();
    const std::string tooLarge(safefile::kDataLimit + 1, 'x');
    const std::pair<fs::path, std::string> unreadable[] = {{paths.weekList(), tooLarge},
                                                           {paths.clockIni(), "soon\n"},
                                                           {paths.outputIni(), tooLarge},
                                                           {paths.dataIni(), tooLarge}};
    for (const auto& [file, bytes] : unreadable) {
        const auto before = said.count();
        ASSERT_EQ(safefile::write(file, bytes), "");
        EXPECT_TRUE(QTest::qWaitFor([&] { return said.count() == before + 1; }, 3000)) << file;
    }
    EXPECT_EQ(model.weekList(), std::vector<std::string>{"08hr 30min/a.wav"});
    EXPECT_EQ(model.schoolClockMs(), 2000);
    EXPECT_EQ(model.outputs(), std::vector<std::string>{"hall"});
    EXPECT_EQ(model.general(), general);
    EXPECT_EQ(days.count(), 0);

    model.setOutputs({"gym"});
    ASSERT_EQ(datafiles::writeWeekList(paths.weekList(), {"09hr 00min/b.wav"}), "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return days.count() == 1; }, 3000));
    EXPECT_EQ(model.weekList(), std::vector<std::string>{"09hr 00min/b.wav"});
    EXPECT_EQ(outputs.count(), 1) << "the own save read again";
}

}  // namespace
}  // namespace tollix
