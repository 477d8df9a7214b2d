#include "timesync/SntpPacket.h"
#include "timesync/TimeSync.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tollix::timesync {
namespace {

constexpr std::uint64_t kCookie = 0x0123456789abcdefULL;

void put64(Packet& p, std::size_t at, std::uint64_t v) {
    for (std::size_t i = 0; i < 8; ++i) p[at + 7 - i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A server's answer to our request, as `change` leaves it.
Packet serverReply(void (*change)(Packet&) = nullptr) {
    Packet p{};
    p[0] = 0x24;  // leap 0, version 4, server
    p[1] = 2;
    put64(p, 24, kCookie);
    put64(p, 32, 0xE6A2B1C0'00000000ULL);
    put64(p, 40, 0xE6A2B1C0'80000000ULL);
    if (change)
        change(p);
    return p;
}

void kiss(Packet& p) {
    p[1] = 0, p[12] = 'R', p[13] = 'A', p[14] = 'T', p[15] = 'E';
}

TEST(SntpPacket, TheWrittenExampleAndTheEraAfter2036) {
    const Packet reply = serverReply();
    const std::span<const std::uint8_t, 8> transmit(reply.data() + 40, 8);
    EXPECT_DOUBLE_EQ(TimestampToSeconds(transmit), 3869422016.5);
    EXPECT_EQ(serverTime(transmit).unixSeconds, 1660433216);
    EXPECT_EQ(serverTime(transmit).milliseconds, 500);

    EXPECT_EQ(timestampToUnixNs(0xE6A2B1C0'80000000ULL), 1660433216'500000000LL);
    // 2036-02-07 06:28:16 UTC is 0 in the packet; one second later is 1.
    EXPECT_EQ(timestampToUnixNs(0x00000001'00000000ULL), 2085978497'000000000LL);
}

TEST(SntpPacket, OnlyAServerAnsweringOurRequestIsBelieved) {
    const struct {
        const char* what;
        Packet packet;
        Verdict verdict;
    } cases[] = {
        {"good", serverReply(), Verdict::Good},
        {"client mode", serverReply([](Packet& p) { p[0] = 0x23; }), Verdict::NotServer},
        {"version 2", serverReply([](Packet& p) { p[0] = 0x14; }), Verdict::BadVersion},
        {"unsynchronised", serverReply([](Packet& p) { p[0] = 0xE4; }), Verdict::Unsynchronised},
        {"stratum 16", serverReply([](Packet& p) { p[1] = 16; }), Verdict::BadStratum},
        {"other origin", serverReply([](Packet& p) { p[31] ^= 1; }), Verdict::NotOurs},
        {"zero transmit", serverReply([](Packet& p) { put64(p, 40, 0); }), Verdict::NoTransmit},
        {"kiss", serverReply(kiss), Verdict::Kiss},
        {"kiss, unsynchronised", serverReply([](Packet& p) { kiss(p), p[0] = 0xE4; }),
         Verdict::Kiss},
    };
    for (const auto& c : cases) {
        const Reply reply = checkReply(c.packet, kCookie);
        EXPECT_EQ(reply.verdict, c.verdict) << c.what;
        EXPECT_EQ(reply.kissCode, c.verdict == Verdict::Kiss ? "RATE" : "") << c.what;
    }
    EXPECT_EQ(checkReply(std::span(serverReply().data(), 47), kCookie).verdict, Verdict::Short);
}

TEST(SntpPacket, OffsetAndDelayWithAnUnevenPath) {
    // Server 5 s ahead; 30 ms out, 10 ms back, 2 ms inside the server.
    const std::int64_t ms = 1'000'000, t1 = 1'000'000 * ms;
    const Sample s = measure(t1, t1 + 5000 * ms + 30 * ms, t1 + 5000 * ms + 32 * ms, t1 + 42 * ms);
    EXPECT_EQ(s.delayNs, 40 * ms);
    EXPECT_EQ(s.offsetNs, 5010 * ms);  // half the asymmetry is the written error
}

TEST(TimeServers, TheFileNamesTwoServersWithTheirPorts) {
    const auto file = std::filesystem::path(::testing::TempDir()) / "timeserver.ini";
    std::ofstream(file, std::ios::binary) << "  time.school.example \r\n[::1]:5\r\n127.0.0.1:1\r\n";
    const auto servers = ReadTimeServers(file);
    ASSERT_EQ(servers.size(), 2u);
    EXPECT_EQ(servers[0].host + ":" + std::to_string(servers[0].port), "time.school.example:123");
    EXPECT_EQ(servers[1].host + ":" + std::to_string(servers[1].port), "::1:5");
    std::ofstream(file, std::ios::binary) << "127.0.0.1:12300\r\n";
    EXPECT_EQ(ReadTimeServers(file)[0].port, 12300);
    EXPECT_EQ(ReadTimeServers(file.string() + ".absent")[0].host, "0.pool.ntp.org");
}

}  // namespace
}  // namespace tollix::timesync
