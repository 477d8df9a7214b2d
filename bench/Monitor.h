#pragma once

// The null sink's monitor, recorded on a thread of its own with the time of
// every sample, for benchmarks that measure when a bell is heard.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 44100;

// Runs a program to its end; true when it succeeded.
inline bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitCode() == 0;
}

// A sound server of the bench's own, with the null sink "bells"; this
// process and the programs it starts play into it.
class PrivateSoundServer {
  public:
    explicit PrivateSoundServer(const std::filesystem::path& folder)
        : folder_(QString::fromStdString(folder.string())) {
        started_ = run(daemon(), {QStringLiteral("start"), folder_});
        if (started_)
            qputenv("PULSE_SERVER", ("unix:" + (folder / "native").string()).c_str());
    }
    ~PrivateSoundServer() {
        if (started_)
            run(daemon(), {QStringLiteral("stop"), folder_});
    }
    bool ok() const { return started_; }

  private:
    static QString daemon() {
        return QStringLiteral(TOLLIX_SOURCE_DIR "/scripts/lib/pulse-daemon.sh");
    }
    QString folder_;
    bool started_ = false;
};

// Records the sink's monitor and keeps, for every sample, the moment it was
// taken at the latest: a block's arrival less the time of the samples after it.
class Monitor {
  public:
    explicit Monitor(const char* source = "bells.monitor") {
        const pa_sample_spec spec{PA_SAMPLE_S16LE, kRate, 1};
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.fragsize = 2 * kRate / 200;  // 5 ms blocks
        int error = 0;
        stream_ = pa_simple_new(nullptr, "tollix-bench", PA_STREAM_RECORD, source, "monitor", &spec,
                                nullptr, &attr, &error);
        if (stream_)
            thread_ = std::thread([this] { loop(); });
    }
    ~Monitor() {
        running_ = false;
        if (thread_.joinable())
            thread_.join();
        if (stream_)
            pa_simple_free(stream_);
    }
    bool ok() const { return stream_ != nullptr; }

    // The time of the first sample louder than the threshold after `from`; waits up to 2 s.
    std::optional<Clock::time_point> firstSoundAfter(Clock::time_point from) {
        const auto deadline = Clock::now() + std::chrono::seconds(2);
        while (Clock::now() < deadline) {
            {
                std::lock_guard lock(mutex_);
                for (std::size_t i = checked_; i < samples_.size(); ++i) {
                    if (std::abs(samples_[i]) > 300 && sampleTime(i) >= from) {
                        checked_ = samples_.size();
                        return sampleTime(i);
                    }
                }
                checked_ = samples_.size();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return std::nullopt;
    }
    void skipToNow() {
        std::lock_guard lock(mutex_);
        checked_ = samples_.size();
    }

  private:
    Clock::time_point sampleTime(std::size_t i) const {
        return anchor_ + std::chrono::duration_cast<Clock::duration>(
                             std::chrono::duration<double>(static_cast<double>(i) / kRate));
    }
    void loop() {
        std::vector<std::int16_t> block(kRate / 200);
        while (running_) {
            int error = 0;
            if (pa_simple_read(stream_, block.data(), block.size() * 2, &error) < 0)
                return;
            const auto arrived = Clock::now();
            std::lock_guard lock(mutex_);
            samples_.insert(samples_.end(), block.begin(), block.end());
            const auto start =
                arrived - std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                              static_cast<double>(samples_.size()) / kRate));
            if (!anchored_ || start < anchor_) {
                anchor_ = start;
                anchored_ = true;
            }
        }
    }

    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> running_{true};
    std::mutex mutex_;
    std::vector<std::int16_t> samples_;
    std::size_t checked_ = 0;
    Clock::time_point anchor_{};
    bool anchored_ = false;
};

}  // namespace bench
