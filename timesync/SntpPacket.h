#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The time packet: the request we send, the checks a reply must pass, and the
// arithmetic of offset and delay.
namespace tollix::timesync {

inline constexpr std::size_t kPacketSize = 48;
// Seconds from 1900-01-01 (the packet's epoch) to 1970-01-01.
inline constexpr std::int64_t kEpochDifference = 2208988800;

using Packet = std::array<std::uint8_t, kPacketSize>;

// A client request (byte 0 = 27: version 3, client). The transmit field holds
// `cookie`, a random number the reply must echo as its origin: a reply that
// does not was never asked for.
Packet makeRequest(std::uint64_t cookie);

// The eight bytes of a timestamp as seconds since 1900, whole and fraction.
double TimestampToSeconds(std::span<const std::uint8_t, 8> bytes);

// A packet timestamp as nanoseconds since 1970. The seconds field wraps in
// 2036: a value below 2^31 belongs to the era after the wrap.
std::int64_t timestampToUnixNs(std::uint64_t timestamp);

enum class Verdict {
    Good,
    Short,
    NotServer,       // mode is not 4
    BadVersion,      // not 3 or 4
    Unsynchronised,  // leap indicator 3
    BadStratum,      // not 1..15
    NotOurs,         // origin is not our cookie
    NoTransmit,      // transmit timestamp zero
    Kiss,            // stratum 0: the server asks us to go away (RATE, DENY, RSTR) or not
};

struct Reply {
    Verdict verdict = Verdict::Short;
    std::string kissCode;         // with Verdict::Kiss
    std::int64_t receiveNs = 0;   // T2: server receive, Unix ns
    std::int64_t transmitNs = 0;  // T3: server transmit, Unix ns
};

Reply checkReply(std::span<const std::uint8_t> datagram, std::uint64_t cookie);

// Offset of the server's clock against ours and the round-trip delay, from
// our send (T1) and receive (T4) times and the server's T2 and T3.
struct Sample {
    std::int64_t offsetNs = 0;
    std::int64_t delayNs = 0;
};

Sample measure(std::int64_t t1, std::int64_t t2, std::int64_t t3, std::int64_t t4);

}  // namespace tollix::timesync
