#pragma once

#include <QByteArray>

#include <cstdint>

namespace tollix::test {

inline void put64(QByteArray& packet, int at, std::uint64_t value) {
    for (int i = 0; i < 8; ++i) packet[at + 7 - i] = static_cast<char>(value >> (8 * i));
}

// A good server answer to `request` (version 4, stratum 2, our origin echoed),
// received and sent at `unixNs`.
inline QByteArray timeReply(const QByteArray& request, std::int64_t unixNs) {
    const std::int64_t seconds = unixNs / 1'000'000'000 + 2208988800LL;
    const auto fraction = static_cast<std::uint64_t>(unixNs % 1'000'000'000);
    const std::uint64_t stamp =
        static_cast<std::uint64_t>(seconds) << 32 | (fraction << 32) / 1'000'000'000;
    QByteArray reply(48, '\0');
    reply[0] = 0x24;
    reply[1] = 2;
    reply.replace(24, 8, request.mid(40, 8));
    put64(reply, 32, stamp);
    put64(reply, 40, stamp);
    return reply;
}

}  // namespace tollix::test
