#pragma once

#include "tests/support/Doubles.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace tollix::test {

// A private PulseAudio with the null sink "bells" as its default output.
class PulseServer {
  public:
    // This process's own, started on first use, used by its sound clients and
    // shared by its tests; ctest runs each test in a process of its own, so
    // tests may listen side by side.
    static PulseServer& shared();
    // A server of its own in `folder`, for tests that stop and start it.
    explicit PulseServer(std::filesystem::path folder);
    ~PulseServer();

    // With `port`, also on 127.0.0.1:port, as another computer's server.
    bool start(int port = 0);
    void stop();
    QString address() const;
    // Points this process's sound clients (player, mixer) at the server.
    void use() const;
    // Runs pactl against the server; its output.
    QString pactl(const QStringList& arguments) const;

  private:
    std::filesystem::path folder_;
};

// What the null sink plays, recorded from its monitor: mono, 16 bits, 44.1 kHz.
class Recording {
  public:
    static constexpr int kRate = 44100;

    explicit Recording(const PulseServer& server);
    ~Recording();
    // Ends the recording; the samples from its start.
    std::vector<std::int16_t> stop();

  private:
    std::filesystem::path file_;
    std::unique_ptr<QProcess> parec_;
};

// Root mean square of samples [from, to) seconds; 0 outside the recording.
double rms(const std::vector<std::int16_t>& samples, double from, double to);
// Seconds of the first sample at or after `from` louder than `threshold`; -1 when none.
double onset(const std::vector<std::int16_t>& samples, double from = 0, int threshold = 500);

// A tone made with ffmpeg: `seconds` long at `hertz`, in the format of the
// file name's extension (wav, mp3, wma). Empty path when ffmpeg failed.
std::filesystem::path makeTone(const std::filesystem::path& file, double seconds, int hertz = 440);

// A port nobody uses, not even a closing connection (a probe that reuses
// addresses would be given one); 0 when none could be had.
inline quint16 freePort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {}, .sin_zero = {}};
    socklen_t size = sizeof address;
    const bool got = ::bind(probe, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
                     ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0;
    ::close(probe);
    return got ? ntohs(address.sin_port) : 0;
}

}  // namespace tollix::test
