#pragma once

// A multicast receiver on loopback: the IP speakers' side of a stream.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace tollix::test {

struct RtpPacket {
    std::chrono::steady_clock::time_point arrived;
    std::vector<std::uint8_t> bytes;
    int payloadType() const { return bytes[1] & 0x7f; }
    std::uint16_t sequence() const { return static_cast<std::uint16_t>(bytes[2] << 8 | bytes[3]); }
    std::uint32_t timestamp() const { return word(4); }
    std::uint32_t ssrc() const { return word(8); }
    std::size_t payloadSize() const { return bytes.size() - 12; }

  private:
    std::uint32_t word(std::size_t at) const {
        return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
               std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
    }
};

// Joined to `group` on the loopback interface, so that nothing leaves the machine.
class MulticastReceiver {
  public:
    MulticastReceiver(const std::string& group, std::uint16_t port) {
        socket_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        const int one = 1;
        ::setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        ::inet_pton(AF_INET, group.c_str(), &address.sin_addr);
        ip_mreq join{};
        join.imr_multiaddr = address.sin_addr;
        join.imr_interface.s_addr = htonl(INADDR_LOOPBACK);
        ok_ = ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::setsockopt(socket_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &join, sizeof join) == 0;
    }
    ~MulticastReceiver() { ::close(socket_); }
    bool ok() const { return ok_; }

    // Takes what has come; call it often, the arrival time is when it was taken.
    void poll() {
        std::uint8_t buffer[2048];
        for (ssize_t got; (got = ::recv(socket_, buffer, sizeof buffer, 0)) > 0;)
            packets.push_back({std::chrono::steady_clock::now(), {buffer, buffer + got}});
    }

    std::vector<RtpPacket> packets;

  private:
    int socket_ = -1;
    bool ok_ = false;
};

// G.711 mu-law to linear.
inline int muLaw(std::uint8_t byte) {
    byte = static_cast<std::uint8_t>(~byte);
    const int magnitude = ((byte & 0x0f) << 3 | 0x84) << ((byte & 0x70) >> 4);
    return (byte & 0x80) ? 0x84 - magnitude : magnitude - 0x84;
}

// Zero crossings a second of the mu-law payloads of `packets`, 8 kHz.
inline double muLawHertz(const std::vector<RtpPacket>& packets) {
    int crossings = 0, previous = 0;
    std::size_t samples = 0;
    for (const auto& packet : packets)
        for (std::size_t i = 12; i < packet.bytes.size(); ++i, ++samples) {
            const int value = muLaw(packet.bytes[i]);
            crossings += samples > 0 && (previous < 0) != (value < 0);
            previous = value;
        }
    return samples ? crossings / 2.0 / (static_cast<double>(samples) / 8000) : 0;
}

}  // namespace tollix::test
