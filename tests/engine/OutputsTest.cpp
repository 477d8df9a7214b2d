// The outputs a bell plays on: those listed that the sound server has, the
// missing ones named on the record, the default output when none is left.
#include "engine/BellEngine.h"
#include "tests/support/Doubles.h"

#include <gtest/gtest.h>

namespace tollix {
namespace {

struct Case {
    std::vector<std::string> listed, there, played;
    bool realDefault;
    std::string record;  // outcome and the end of the reason
};

TEST(Outputs, ABellPlaysOnTheListedOutputsThereAndIsNotHeardOnlyWhenHeardNowhere) {
    const Case cases[] = {
        {{}, {"speakers"}, {}, true, "rang\tring now"},
        {{"hall", "gym"}, {"gym", "hall"}, {"hall", "gym"}, true, "rang\tring now"},
        {{"hall", "gym"}, {"hall"}, {"hall"}, false, "rang\tring now; output missing: gym"},
        {{"hall", "gym"},
         {"speakers"},
         {},
         true,
         "rang\tring now; output missing: hall, gym; played on the default output"},
        {{"hall"},
         {},
         {},
         false,
         "not-heard\tring now; output missing: hall; played on the default output; no sound "
         "output"},
    };
    for (const Case& c : cases) {
        test::TempFolder dir;
        AppPaths paths{dir.path()};
        std::filesystem::create_directories(paths.dataFolder());
        test::writeBytes(dir.path() / "sound" / "a.wav", "x");
        ScheduleModel model{paths};
        model.load(2);
        model.setOutputs(c.listed);
        test::FakeClock clock;
        test::RecordingMessages messages;
        test::FakeMixer mixer;
        test::FakePlayer player;
        player.lengths[(dir.path() / "sound" / "a.wav").string()] = 2000;
        test::RecordingPowerOff power;
        RingLog log{dir.path() / "rings.log"};
        mixer.sinks.clear();
        for (const auto& name : c.there) mixer.sinks.push_back({name, name});
        mixer.realDevice = c.realDefault;
        BellEngine engine({clock, player, mixer, messages, dir.path() / "sound", power, log},
                          model);
        EXPECT_FALSE(engine.ringNow("a.wav", {"a.wav"}, "ring now"));
        engine.Timer1_Timer();  // the verdict
        EXPECT_EQ(player.outputs, c.played);
        EXPECT_EQ(mixer.inUse, c.played);
        const std::string line = RingLog::lastLines(log.file(), 1).at(0);
        EXPECT_NE(line.find(c.record.substr(0, c.record.find('\t'))), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(c.record.substr(c.record.find('\t') + 1))) << line;
    }
}

// "No com sound" holds other programs silent on the outputs in use, and
// only there: a new list gives back the old ones before muting the new.
TEST(Outputs, ChangingTheOutputsMovesTheMuteToThem) {
    test::TempFolder dir;
    AppPaths paths{dir.path()};
    std::filesystem::create_directories(paths.dataFolder());
    test::save(paths.dataIni(), {.sound_zero = 1});
    test::writeBytes(paths.outputIni(), "hall\r\n\r\n gym \nhall\n");
    ScheduleModel model{paths};
    model.load(2);
    EXPECT_EQ(model.outputs(), (std::vector<std::string>{"hall", "gym"}));
    test::FakeClock clock;
    test::RecordingMessages messages;
    test::FakeMixer mixer;
    test::FakePlayer player;
    test::RecordingPowerOff power;
    RingLog log{dir.path() / "rings.log"};
    BellEngine engine({clock, player, mixer, messages, dir.path(), power, log}, model);
    EXPECT_EQ(mixer.inUse, model.outputs());
    model.setOutputs({"stage"});
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"unmute", "mute"}));
    EXPECT_EQ(mixer.inUse, std::vector<std::string>{"stage"});
    EXPECT_EQ(test::readBytes(paths.outputIni()), "stage\n");
}

}  // namespace
}  // namespace tollix
