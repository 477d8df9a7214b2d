// The lines of output.ini: sinks, relays and streams, and what is refused.
#include "sound/OutputLine.h"

#include <gtest/gtest.h>

namespace tollix::sound {
namespace {

TEST(OutputLine, RelaysAndStreamsAreReadAndWhatCannotBeUsedIsSaid) {
    using Kind = OutputLine::Kind;
    struct Case {
        std::string line;
        Kind kind;
        std::string on, off;
        int hold;
        std::string group;
        int port, ttl;
        bool alaw;
        std::string problem;
    };
    const Case cases[] = {
        {"alsa_output.pci-0000_00_1f.3.analog-stereo", Kind::Sink, "", "", 0, "", 0, 1, false, ""},
        {"relay: gpioset gpiochip0 17=1 | gpioset gpiochip0 17=0", Kind::Relay,
         "gpioset gpiochip0 17=1", "gpioset gpiochip0 17=0", 0, "", 0, 1, false, ""},
        {" relay:usbrelay BITFT_1=1|usbrelay BITFT_1=0 ; hold=5 ", Kind::Relay,
         "usbrelay BITFT_1=1", "usbrelay BITFT_1=0", 5, "", 0, 1, false, ""},
        {"relay: sh -c 'a | b; c' | sh -c \"d | e\"", Kind::Relay, "sh -c 'a | b; c'",
         "sh -c \"d | e\"", 0, "", 0, 1, false, ""},
        {"relay: on-only", Kind::Unusable, "", "", 0, "", 0, 1, false, "no OFF command after '|'"},
        {"relay: a |  ", Kind::Unusable, "", "", 0, "", 0, 1, false, "an empty command"},
        {"relay: a | b ; hold=0", Kind::Unusable, "", "", 0, "", 0, 1, false,
         "hold is not 1 to 3600 seconds"},
        {"rtp://239.1.2.3:5004", Kind::Stream, "", "", 0, "239.1.2.3", 5004, 1, false, ""},
        {"rtp://224.0.1.9:6000?ttl=4&codec=pcma", Kind::Stream, "", "", 0, "224.0.1.9", 6000, 4,
         true, ""},
        {"rtp://192.168.1.5:5004", Kind::Unusable, "", "", 0, "", 0, 1, false,
         "not a multicast group (224.0.0.0 to 239.255.255.255)"},
        {"rtp://239.1.2.3", Kind::Unusable, "", "", 0, "", 0, 1, false, "no port"},
        {"rtp://239.1.2.3:70000", Kind::Unusable, "", "", 0, "", 0, 1, false,
         "the port is not 1 to 65535"},
        {"rtp://239.1.2.3:5004?ttl=300", Kind::Unusable, "", "", 0, "", 0, 1, false,
         "ttl is not 0 to 255"},
        {"rtp://239.1.2.3:5004?codec=opus", Kind::Unusable, "", "", 0, "", 0, 1, false,
         "codec is neither pcmu nor pcma"},
        {"rtp://239.1.2.3:5004?loud=1", Kind::Unusable, "", "", 0, "", 0, 1, false,
         "unknown option loud"},
    };
    for (const Case& c : cases) {
        const OutputLine line = parseOutputLine(c.line);
        EXPECT_EQ(line.kind, c.kind) << c.line;
        EXPECT_EQ(line.problem, c.problem) << c.line;
        EXPECT_EQ(line.relay.on, c.on) << c.line;
        EXPECT_EQ(line.relay.off, c.off) << c.line;
        EXPECT_EQ(line.relay.holdSeconds, c.hold) << c.line;
        EXPECT_EQ(line.stream.group, c.group) << c.line;
        EXPECT_EQ(line.stream.port, c.port) << c.line;
        EXPECT_EQ(line.stream.ttl, c.ttl) << c.line;
        EXPECT_EQ(line.stream.alaw, c.alaw) << c.line;
    }

    // What the Outputs window adds reads back as typed, or is refused.
    std::string problem;
    EXPECT_EQ(makeRelayLine(" on 1 ", "off 1", 5, problem), "relay: on 1 | off 1 ; hold=5");
    EXPECT_EQ(makeRelayLine("a | b", "c", 0, problem), "");
    EXPECT_EQ(problem, "a '|' outside quotes in the ON command");
    EXPECT_EQ(makeStreamLine("239.0.0.7", 5004, problem), "rtp://239.0.0.7:5004");
    EXPECT_EQ(makeStreamLine("10.0.0.7", 5004, problem), "");
    EXPECT_EQ(problem, "not a multicast group (224.0.0.0 to 239.255.255.255)");
}

}  // namespace
}  // namespace tollix::sound
