#pragma once

#include <QDateTime>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <filesystem>
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

// libfaketime, which the runs of the real program live under.
inline constexpr char kFakeTimeLibrary[] = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1";

// The real program's surroundings under `home`: XDG folders and a runtime
// folder of its own (another run's copy would hold the single-copy lock),
// libfaketime loaded, and never the machine's logind or timedated (a test
// may bring its own bus). The fake time itself is the test's to add.
QProcessEnvironment programEnvironment(const std::filesystem::path& home);
// Sets the fake clock read from `file` (FAKETIME_TIMESTAMP_FILE) to `at` as of
// now; a run with FAKETIME_NO_CACHE steps to it at once.
void setFakeClock(const std::filesystem::path& file, const QDateTime& at);

}  // namespace tollix::test
