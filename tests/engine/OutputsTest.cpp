// The outputs a bell plays on: those listed that the sound server has, the
// missing ones named on the record, the default output when none is left.
#include "sound/OutputLine.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

struct Rig : test::EngineDoubles {
    ScheduleModel model{paths};
    test::FakeClock clock;
    std::unique_ptr<BellEngine> engine;

    explicit Rig(const GeneralSettings& settings = {}) {
        std::filesystem::create_directories(paths.dataFolder());
        test::save(paths.dataIni(), settings);
    }
    void begin() {
        model.load(2);
        engine = std::make_unique<BellEngine>(engineServices(clock), model);
    }
};

TEST(Outputs, ABellPlaysOnTheListedOutputsThereAndIsNotHeardOnlyWhenHeardNowhere) {
    struct Case {
        std::vector<std::string> listed, there, played;
        bool realDefault;
        std::string record;  // from the outcome on
    };
    const Case cases[] = {
        {{}, {"speakers"}, {}, true, "rang\ta.wav\tring now"},
        {{"hall", "gym"}, {"gym", "hall"}, {"hall", "gym"}, true, "rang\ta.wav\tring now"},
        {{"hall", "gym"}, {"hall"}, {"hall"}, false, "rang\ta.wav\tring now; output missing: gym"},
        {{"hall", "gym"},
         {"speakers"},
         {},
         true,
         "rang\ta.wav\tring now; output missing: hall, gym; played on the default output"},
        // Relays and streams play wherever listed; "No com sound" is the sinks' alone.
        {{"hall", "relay: on | off", "rtp://239.0.0.1", "rtp://239.0.0.2:5004"},
         {"hall"},
         {"hall", "relay: on | off", "rtp://239.0.0.2:5004"},
         true,
         "rang\ta.wav\tring now; output unusable: rtp://239.0.0.1 (no port)"},
        {{"hall"},
         {},
         {},
         false,
         "not-heard\ta.wav\tring now; output missing: hall; played on the default output; no "
         "sound output"},
    };
    for (const Case& c : cases) {
        Rig rig;
        test::writeBytes(rig.paths.soundFolder() / "a.wav", "x");
        rig.player.lengths[(rig.paths.soundFolder() / "a.wav").string()] = 2000;
        rig.mixer.sinks.clear();
        for (const auto& name : c.there) rig.mixer.sinks.push_back({name, name});
        rig.mixer.realDevice = c.realDefault;
        rig.begin();
        rig.model.setOutputs(c.listed);
        EXPECT_FALSE(rig.engine->ringNow("a.wav", {"a.wav"}, "ring now"));
        rig.engine->Timer1_Timer();  // the verdict
        EXPECT_EQ(rig.player.outputs, c.played);
        std::vector<std::string> sinks = c.played;
        std::erase_if(sinks, [](const std::string& line) { return !sound::isSinkLine(line); });
        EXPECT_EQ(rig.mixer.inUse, sinks);
        EXPECT_TRUE(RingLog::lastLines(rig.ringLog.file(), 1).at(0).ends_with(c.record))
            << c.record;
        rig.engine->bellStop();
        rig.player.outputs = {"stale"};  // a test play goes where a bell would
        EXPECT_TRUE(rig.engine->playTest("a.wav"));
        EXPECT_EQ(rig.player.outputs, c.played);
    }
}

// "No com sound" holds other programs silent on the outputs in use, and
// only there: a new list gives back the old ones before muting the new.
TEST(Outputs, ChangingTheOutputsMovesTheMuteToThem) {
    Rig rig({.sound_zero = 1});
    test::writeBytes(rig.paths.outputIni(), "hall\r\n\r\n gym \nhall\n");
    rig.begin();
    EXPECT_EQ(rig.mixer.inUse, (std::vector<std::string>{"hall", "gym"}));
    rig.model.setOutputs({"stage"});
    EXPECT_EQ(rig.mixer.calls, (std::vector<std::string>{"unmute", "mute"}));
    EXPECT_EQ(rig.mixer.inUse, std::vector<std::string>{"stage"});
    EXPECT_EQ(test::readBytes(rig.paths.outputIni()), "stage\n");
}

}  // namespace
}  // namespace tollix
