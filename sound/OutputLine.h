#pragma once

#include <string>

namespace tollix::sound {

// A hard-wired bell switched by two commands: "relay: ON | OFF ; hold=5".
struct RelayLine {
    std::string on, off;
    // Seconds the relay stays on from its start; 0: for the bell's sound.
    int holdSeconds = 0;
};

// IP speakers that play a multicast RTP stream: "rtp://GROUP:PORT?ttl=N&codec=pcma".
struct StreamLine {
    std::string group;
    int port = 0;
    int ttl = 1;
    bool alaw = false;  // G.711 A-law (payload type 8) instead of mu-law (0)
    // The network interface it leaves by; empty: as the routes choose.
    std::string iface;
};

// One line of output.ini: a sound-server sink by name, a relay or a stream.
struct OutputLine {
    enum class Kind { Sink, Relay, Stream, Unusable };
    Kind kind = Kind::Sink;
    RelayLine relay;
    StreamLine stream;
    std::string problem;  // why an Unusable line cannot be used
};

OutputLine parseOutputLine(const std::string& line);
inline bool isSinkLine(const std::string& line) {
    return parseOutputLine(line).kind == OutputLine::Kind::Sink;
}

// The lines the Outputs window adds; empty with `problem` said when the
// fields cannot make one.
std::string makeRelayLine(const std::string& on, const std::string& off, int holdSeconds,
                          std::string& problem);
std::string makeStreamLine(const std::string& group, int port, std::string& problem);

}  // namespace tollix::sound
