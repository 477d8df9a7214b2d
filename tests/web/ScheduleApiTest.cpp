// The schedule as the page edits it, through the API without a server: the
// window's checks name the first bad field and nothing is written; a good
// change writes the bytes the window writes.
#include "engine/BellEngine.h"
#include "tests/support/Doubles.h"
#include "web/WebApi.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <map>

namespace tollix {
namespace {

class ScheduleApiTest : public ::testing::Test, protected test::EngineDoubles {
  protected:
    ScheduleModel model{paths};
    test::FakeClock clock;
    BellEngine engine{engineServices(clock), model};
    // The player plays what starts as a RIFF file.
    web::WebApi api{{model,
                     engine,
                     clock,
                     paths.soundFolder(),
                     ringLog.file(),
                     nullptr,
                     nullptr,
                     {},
                     [](const fs::path& file) { return readBytes(file).starts_with("RIFF"); }}};

    void SetUp() override {
        fs::create_directories(paths.dataFolder());
        writeBytes(paths.soundFolder() / "bell.wav", "x");
        writeBytes(paths.soundFolder() / "end.wav", "x");
        model.load(2);
    }

    QByteArray version() { return api.schedule().body[u"version"_s].toString().toLatin1(); }

    web::WebApi::Reply put(const char* body, QByteArray at = {}) {
        return api.putSchedule(body, at.isEmpty() ? version() : at, "10.0.0.7");
    }

    std::map<std::string, std::string> dataFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(paths.dataFolder()))
            files[entry.path().filename().string()] = readBytes(entry.path());
        return files;
    }
};

TEST_F(ScheduleApiTest, TheFirstBadFieldIsNamedAndNothingIsWritten) {
    put(R"({"week": [{"time": "08:00", "sound": "bell.wav"}]})");
    const auto before = dataFiles();
    const auto records = RingLog::lastLines(ringLog.file(), 50).size();
    struct Row {
        const char* body;
        const char* field;
        const char* message;
    };
    const Row rows[] = {
        {R"({"week": [{"time": "07:00", "sound": "bell.wav"}, {"time": "09:00", "sound":
            "bell.wav"}, {"time": "10:00", "sound": "bell.wav"}, {"time": "25:61", "sound":
            "bell.wav"}]})",
         "week[3].time", "25:61 is not a time"},
        {R"({"week": [{"time": "7.30", "sound": "bell.wav"}]})", "week[0].time",
         "7.30 is not a time"},
        {R"({"week": [{"time": 730, "sound": "bell.wav"}]})", "week[0].time", "730 is not a time"},
        {R"({"week": [{"time": "07:30", "sound": "bell.wav"}, {"time": "7:30", "sound":
            "end.wav"}]})",
         "week[1].time", "The corresponding time is being register already."},
        {R"({"days": {"3": {"bells": [{"time": "07:30", "sound": "gone.wav"}]}}})",
         "days.3.bells[0].sound", "gone.wav is not in the sound folder"},
        {R"({"templates": {"2": [{"time": "07:30", "sound": "music"}]}})", "templates.2[0].sound",
         "Invalid music folder name. (Format : minutes_music folder name)"},
        {R"({"days": {"7": {"noRings": "yes"}}})", "days.7.noRings", "not true or false"},
        {R"({"mode": "sometimes"})", "mode", "auto or manual"},
        {R"({"applyDay": 2})", "applyDay", "week or each"},
        {R"({"weeks": []})", "weeks", "not a field"},
        {R"({"auto": {"week": {"start": "10:00", "end": "09:00"}}})", "auto.week",
         "must end time bigger then start time"},
        {R"({"auto": {"days": {"1": {"work": 0}}}})", "auto.days.1",
         "(Work time)must over 1 minute"},
        {R"({"auto": {"week": {"afterStart": {"on": true, "minutes": 30}, "beforeEnd":
            {"minutes": 25}}}})",
         "auto.week",
         "Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is "
         "must not over work time."},
        {R"({"auto": {"week": {"rest": "ten"}}})", "auto.week.rest",
         "not a whole number of minutes"},
        // A good part beside a bad one is not written either.
        {R"({"mode": "manual", "week": [], "days": {"1": {"bells": [{"time": "24:00", "sound":
            "bell.wav"}]}}})",
         "days.1.bells[0].time", "24:00 is not a time"},
    };
    for (const Row& row : rows) {
        const auto reply = put(row.body);
        EXPECT_EQ(reply.status, 400) << row.body;
        EXPECT_EQ(reply.body[u"field"_s].toString().toStdString(), row.field) << row.body;
        EXPECT_EQ(reply.body[QString::fromLatin1(row.field)].toString().toStdString(), row.message)
            << row.body;
    }
    EXPECT_EQ(dataFiles(), before);
    EXPECT_EQ(RingLog::lastLines(ringLog.file(), 50).size(), records);
}

// The same edit made in the window, in a folder of its own, writes the same files.
TEST_F(ScheduleApiTest, AChangeWritesTheWindowsBytesIsOnRecordAndAStaleVersionIsRefused) {
    const QByteArray first = version();
    const auto done = put(R"({"mode": "manual", "applyDay": "each", "days": {"1": {"noRings":
        false, "bells": [{"time": "9:05", "sound": "end.wav"}, {"time": "08:30", "sound":
        "bell.wav"}]}}, "templates": {"3": [{"time": "10:00", "sound": "bell.wav"}]}})",
                          first);
    ASSERT_EQ(done.status, 200) << QJsonDocument(done.body).toJson().toStdString();
    EXPECT_NE(done.body[u"version"_s].toString().toLatin1(), first);
    EXPECT_EQ(done.body[u"days"_s][u"1"_s][u"bells"_s][0][u"time"_s].toString(), u"08:30"_s);
    const std::string record = RingLog::lastLines(ringLog.file(), 1).at(0);
    EXPECT_EQ(record.substr(record.find('\t') + 1), "web\tSchedule changed\tfrom 10.0.0.7");

    test::TempFolder other;
    AppPaths window{other.path()};
    fs::create_directories(window.dataFolder());
    ScheduleModel edited{window};
    edited.load(2);
    edited.setTimeMode(ScheduleModel::TimeMode::Manual);
    edited.setDayMode(ScheduleModel::DayMode::EachDay, 2);  // Monday
    edited.addBell("9", "05", std::string("end.wav"));
    edited.addBell("8", "30", std::string("bell.wav"));
    ASSERT_FALSE(edited.selectDay(10));  // templet3
    edited.addBell("10", "0", std::string("bell.wav"));
    for (const fs::path& file : {window.dataIni(), window.dayList(2), window.dayList(10)})
        EXPECT_EQ(readBytes(paths.dataFolder() / file.filename()), readBytes(file)) << file;
    // The running program builds Monday from it.
    EXPECT_EQ(model.buildDay(20430).clockLines,  // 2025-12-08, a Monday
              (std::vector<std::string>{"08hr30min", "09hr05min"}));

    const auto stale = put(R"({"week": []})", first);
    EXPECT_EQ(stale.status, 409);
    EXPECT_EQ(stale.body[u"version"_s], done.body[u"version"_s]);
    EXPECT_EQ(stale.body[u"applyDay"_s].toString(), u"each"_s);
    // Nothing changed: nothing written, nothing on record.
    EXPECT_EQ(put(R"({"mode": "manual"})").body[u"version"_s], done.body[u"version"_s]);
    EXPECT_EQ(RingLog::lastLines(ringLog.file(), 5).size(), 1u);
}

// Interval settings from the page reach the file the window writes for them,
// and the editor on screen shows the day as stored.
TEST_F(ScheduleApiTest, IntervalSettingsAreStoredAsTheWindowStoresThemAndShownAtOnce) {
    ASSERT_EQ(put(R"({"mode": "auto", "applyDay": "each", "auto": {"days": {"1": {"start":
        "8:00", "end": "15:30", "work": 45, "rest": 15, "workSound": "bell.wav", "restSound":
        "end.wav", "afterStart": {"on": true, "minutes": 5, "sound": "end.wav"}, "noRings":
        true}}}})")
                  .status,
              200);
    test::TempFolder other;
    AppPaths window{other.path()};
    fs::create_directories(window.dataFolder());
    ScheduleModel edited{window};
    edited.load(2);
    edited.setTimeMode(ScheduleModel::TimeMode::Auto);
    edited.setDayMode(ScheduleModel::DayMode::EachDay, 2);  // Monday
    IntervalSettings typed = edited.intervals();
    typed.start_h = "8", typed.start_m = "0", typed.exit_h = "15", typed.exit_m = "30";
    typed.worktime = "45", typed.resttime = "15", typed.ChkPreBell1 = 1, typed.TxtPreBell1 = "5";
    edited.setIntervals(typed);
    edited.editDay(2, 1);
    ASSERT_FALSE(edited.pickSound(IntervalSound::StartBell, std::string("bell.wav")));
    ASSERT_FALSE(edited.pickSound(IntervalSound::AfterStart, std::string("end.wav")));
    ASSERT_FALSE(edited.pickSound(IntervalSound::EndBell, std::string("end.wav")));
    EXPECT_EQ(readBytes(paths.dayIntervals(2)), readBytes(window.dayIntervals(2)));
    EXPECT_EQ(model.day(), 2);
    EXPECT_EQ(model.intervals().worktime, "45");
    EXPECT_EQ(model.nobell(), 1);
}

// The settings beside the schedule: checked whole first, then stored and on record.
TEST_F(ScheduleApiTest, SettingsAreCheckedWholeThenStoredAndOnRecord) {
    const auto put = [&](const char* body) {
        return api.putSettings(body, api.settings().body[u"version"_s].toString().toLatin1(),
                               "10.0.0.8");
    };
    const auto before = dataFiles();
    const std::pair<const char*, const char*> bad[] = {
        {R"({"outputs": ["hall"], "schoolClockSeconds": 3600.5})", "schoolClockSeconds"},
        {R"({"noComSound": true, "reservedExit": {"on": true, "time": "24:10"}})",
         "reservedExit.time"},
        {R"({"internetTime": 1})", "internetTime"},
        {R"({"volume": 3})", "volume"},
    };
    for (const auto& [body, field] : bad)
        EXPECT_EQ(put(body).body[u"field"_s].toString().toStdString(), field) << body;
    EXPECT_EQ(dataFiles(), before);

    const auto done = put(R"({"outputs": ["hall", " hall", "room 2"], "schoolClockSeconds": -2.5,
        "reservedExit": {"on": true, "time": "17:45"}})");
    ASSERT_EQ(done.status, 200) << QJsonDocument(done.body).toJson().toStdString();
    EXPECT_EQ(readBytes(paths.outputIni()), "hall\nroom 2\n");
    EXPECT_EQ(readBytes(paths.clockIni()), "-2.5\n");
    EXPECT_EQ(model.reservedExitAt(), 17 * 60 + 45);
    std::string said;
    for (const auto& line : RingLog::lastLines(ringLog.file(), 5))
        if (line.find("\tweb\t") != std::string::npos)
            said += line.substr(line.find("\tweb\t") + 5) + ";";
    EXPECT_EQ(said,
              "Setting changed: Outputs\tfrom 10.0.0.8;Setting changed: School clock\tfrom "
              "10.0.0.8;Setting changed: Reservation Exit\tfrom 10.0.0.8;");
    EXPECT_EQ(api.putSettings("{}", "stale", "10.0.0.8").status, 409);

    // A part kept elsewhere (the alarms) refuses for the whole change.
    QJsonValue alarms = QJsonObject{};
    api.settingsApi().addPart(u"alarms"_s, {[&] { return alarms; },
                                            [](const QJsonValue& v) {
                                                return v.isObject() ? std::string()
                                                                    : std::string("an object");
                                            },
                                            [&](const QJsonValue& v) { alarms = v; }});
    EXPECT_EQ(put(R"({"noComSound": true, "alarms": 3})").body[u"field"_s].toString(), u"alarms"_s);
    EXPECT_EQ(model.general().sound_zero, 0);
    EXPECT_EQ(put(R"({"alarms": {"fire": "siren.wav"}})").status, 200);
    EXPECT_EQ(alarms[u"fire"_s].toString(), u"siren.wav"_s);
}

// A sound joins the folder as "Add sound..." adds it, once the player plays
// it; one is deleted only while nothing names it.
TEST_F(ScheduleApiTest, SoundsAreAddedOnlyWhenPlayableAndDeletedOnlyWhenUnused) {
    const auto add = [&](const char* name, const char* bytes, bool replace = false) {
        int status = 0;
        api.addSound(bytes, name, replace, "10.0.0.5", [&](const auto& r) { status = r.status; });
        (void)QTest::qWaitFor([&] { return status != 0; }, 5000);
        return status;
    };
    EXPECT_EQ(add("..%2Fdata%2Fweb.ini", "RIFF"), 400);
    EXPECT_EQ(add(".hidden.wav", "RIFF"), 400);
    EXPECT_EQ(add("notes.txt", "RIFF"), 415);
    EXPECT_EQ(add("empty.wav", ""), 400);
    EXPECT_EQ(add("noise.wav", "MZ.."), 415);
    EXPECT_FALSE(fs::exists(paths.soundFolder() / "noise.wav"));
    EXPECT_EQ(add("b%C3%A9ll.wav", "RIFF one"), 200);
    EXPECT_EQ(readBytes(paths.soundFolder() / "béll.wav"), "RIFF one");
    EXPECT_EQ(add("b%C3%A9ll.wav", "RIFF two"), 409);  // another of that name: kept
    EXPECT_EQ(add("b%C3%A9ll.wav", "RIFF two", true), 200);
    EXPECT_EQ(readBytes(paths.soundFolder() / "béll.wav"), "RIFF two");

    ASSERT_EQ(put(R"({"templates": {"4": [{"time": "09:00", "sound": "béll.wav"}]},
        "auto": {"days": {"5": {"restSound": "end.wav"}}}})")
                  .status,
              200);
    const auto refused = api.deleteSound(u"béll.wav"_s, "10.0.0.5");
    EXPECT_EQ(refused.status, 409);
    EXPECT_TRUE(refused.body[u"error"_s].toString().contains(u"Templet 4"_s));
    EXPECT_EQ(api.deleteSound(u"end.wav"_s, "10.0.0.5").status, 409);  // Friday's rest bell
    EXPECT_EQ(api.deleteSound(u"gone.wav"_s, "10.0.0.5").status, 404);
    ASSERT_EQ(put(R"({"templates": {"4": []}})").status, 200);
    EXPECT_EQ(api.deleteSound(u"béll.wav"_s, "10.0.0.5").status, 200);
    EXPECT_FALSE(fs::exists(paths.soundFolder() / "béll.wav"));
    std::string said;
    for (const auto& line : RingLog::lastLines(ringLog.file(), 10))
        if (line.find("Sound") != std::string::npos)
            said += line.substr(line.find("\tweb\t") + 5) + ";";
    EXPECT_EQ(said,
              "Sound added: béll.wav\tfrom 10.0.0.5;Sound added: béll.wav\tfrom "
              "10.0.0.5;Sound deleted: béll.wav\tfrom 10.0.0.5;");
}

// The holiday rules as the window checks them, and an import of term dates
// that goes through only when that is said twice.
TEST_F(ScheduleApiTest, HolidayRulesAndACalendarOfTermDatesAreGuardedAsInTheWindow) {
    const auto rules = [&] {
        QStringList lines;
        for (const auto rule : api.holidays().body[u"rules"_s].toArray())
            lines << rule[u"line"_s].toString();
        return lines.join(u"; "_s);
    };
    EXPECT_EQ(
        api.addHoliday(R"({"from": "2027-03-02", "templet": 2, "name": "Exams"})", "x").status,
        409);  // Templet 2 holds no bells
    EXPECT_EQ(api.addHoliday(R"({"from": "2027-02-30"})", "x").status, 400);
    EXPECT_EQ(api.addHoliday(R"({"from": "2026-12-21", "to": "2027-01-06", "name": "Winter"})",
                             "10.0.0.9")
                  .status,
              200);
    EXPECT_EQ(api.addHoliday(R"({"from": "2027-01-09", "makeUp": 1})", "10.0.0.9").status, 200);
    EXPECT_EQ(rules(), u"2026-12-21..2027-01-06 Winter; 2027-01-09 = Monday"_s);
    EXPECT_EQ(model.buildDay(20809).choice.kind, DayChoice::Kind::NoBells);  // 2026-12-22
    EXPECT_EQ(api.removeHoliday(R"({"line": "2027-01-09 = Monday"})", "10.0.0.9").status, 200);
    EXPECT_EQ(readBytes(paths.holidaysIni()).find("= Monday"), std::string::npos);

    const QByteArray terms = QByteArray::fromStdString(
        readBytes(fs::path(TOLLIX_SOURCE_DIR) / "tests/schedule/calendars/term-dates.ics"));
    const auto preview = api.importHolidays(terms, false, false, "10.0.0.9");
    EXPECT_TRUE(preview.body[u"termDates"_s].toBool());
    EXPECT_TRUE(preview.body[u"preview"_s].toString().contains(u"Spring term"_s));
    const std::string before = readBytes(paths.holidaysIni());
    EXPECT_EQ(api.importHolidays(terms, true, false, "10.0.0.9").status, 409);
    EXPECT_EQ(readBytes(paths.holidaysIni()), before);
    EXPECT_EQ(api.importHolidays(terms, true, true, "10.0.0.9").body[u"added"_s].toInt(), 3);
    const std::string last = RingLog::lastLines(ringLog.file(), 1).at(0);
    EXPECT_EQ(last.substr(last.find('\t') + 1), "web\tHolidays imported: 3\tfrom 10.0.0.9");
}

}  // namespace
}  // namespace tollix
