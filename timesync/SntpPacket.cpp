#include "timesync/SntpPacket.h"

namespace tollix::timesync {

namespace {

std::uint64_t read64(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) value = value << 8 | bytes[at + i];
    return value;
}

}  // namespace

Packet makeRequest(std::uint64_t cookie) {
    Packet packet{};
    packet[0] = 27;
    for (std::size_t i = 0; i < 8; ++i)
        packet[47 - i] = static_cast<std::uint8_t>(cookie >> (8 * i));
    return packet;
}

double TimestampToSeconds(std::span<const std::uint8_t, 8> bytes) {
    return static_cast<double>(read64(bytes, 0)) / 4294967296.0;
}

std::int64_t timestampToUnixNs(std::uint64_t timestamp) {
    std::int64_t seconds = static_cast<std::int64_t>(timestamp >> 32);
    if (seconds < (std::int64_t{1} << 31))
        seconds += std::int64_t{1} << 32;  // era 1: after 2036-02-07
    const std::uint64_t fraction = timestamp & 0xffffffffu;
    return (seconds - kEpochDifference) * 1'000'000'000 +
           static_cast<std::int64_t>((fraction * 1'000'000'000) >> 32);
}

Reply checkReply(std::span<const std::uint8_t> datagram, std::uint64_t cookie) {
    Reply reply;
    if (datagram.size() < kPacketSize)
        return reply;
    const int leap = datagram[0] >> 6;
    const int version = (datagram[0] >> 3) & 7;
    const int mode = datagram[0] & 7;
    const int stratum = datagram[1];
    if (mode != 4)
        reply.verdict = Verdict::NotServer;
    else if (version != 3 && version != 4)
        reply.verdict = Verdict::BadVersion;
    else if (read64(datagram, 24) != cookie)
        reply.verdict = Verdict::NotOurs;
    else if (stratum == 0) {
        reply.verdict = Verdict::Kiss;
        reply.kissCode.assign(reinterpret_cast<const char*>(&datagram[12]), 4);
    } else if (leap == 3)
        reply.verdict = Verdict::Unsynchronised;
    else if (stratum > 15)
        reply.verdict = Verdict::BadStratum;
    else if (read64(datagram, 40) == 0)
        reply.verdict = Verdict::NoTransmit;
    else {
        reply.verdict = Verdict::Good;
        reply.receiveNs = timestampToUnixNs(read64(datagram, 32));
        reply.transmitNs = timestampToUnixNs(read64(datagram, 40));
    }
    return reply;
}

Sample measure(std::int64_t t1, std::int64_t t2, std::int64_t t3, std::int64_t t4) {
    return Sample{((t2 - t1) + (t3 - t4)) / 2, (t4 - t1) - (t3 - t2)};
}

}  // namespace tollix::timesync
