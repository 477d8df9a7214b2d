#include "tests/support/Pulse.h"

#include <QCoreApplication>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tollix::test {

namespace {

const QString kScript = QStringLiteral(TOLLIX_SOURCE_DIR "/scripts/lib/pulse-daemon.sh");
const auto qs = [](const fs::path& path) { return QString::fromStdString(path.string()); };

bool run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

// Stopped when the process ends.
PulseServer& PulseServer::shared() {
    static QTemporaryDir own;
    static const std::unique_ptr<PulseServer> server = [] {
        auto s = std::make_unique<PulseServer>(fs::path(own.path().toStdString()) / "pulse");
        s->start();
        s->use();
        return s;
    }();
    return *server;
}

PulseServer::PulseServer(fs::path folder) : folder_(std::move(folder)) {}

PulseServer::~PulseServer() {
    stop();
}

// Killed by a time-out, the process cannot stop its servers: they end
// themselves after two minutes without a client, longer than any test leaves
// its server unused (the program under test may be slow to connect).
bool PulseServer::start(int port) {
    QStringList arguments{u"start"_s, qs(folder_), u"120"_s};
    if (port > 0)
        arguments << QString::number(port);
    return run(kScript, arguments);
}

// Also at the process's end, when Qt may be gone: no QProcess.
void PulseServer::stop() {
    const std::string command = "'" + kScript.toStdString() + "' stop '" + folder_.string() + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not stop the sound server in %s\n", folder_.c_str());
}

QString PulseServer::address() const {
    return u"unix:"_s + qs(folder_ / "native");
}

void PulseServer::use() const {
    qputenv("PULSE_SERVER", address().toLocal8Bit());
}

QString PulseServer::pactl(const QStringList& arguments) const {
    QString output;
    run(u"pactl"_s, QStringList{u"--server="_s + address()} + arguments, &output);
    return output;
}

Recording::Recording(const PulseServer& server)
    : file_(fs::temp_directory_path() /
            ("tollix-rec-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
             std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".raw")),
      parec_(std::make_unique<QProcess>()) {
    parec_->setStandardOutputFile(qs(file_));
    endWithTest(*parec_);
    parec_->start(u"parec"_s, {u"--server="_s + server.address(), u"-d"_s, u"bells.monitor"_s,
                               u"--format=s16le"_s, u"--rate=44100"_s, u"--channels=1"_s,
                               u"--latency-msec=10"_s, u"--raw"_s});
    parec_->waitForStarted();
    // The recording runs once the first bytes of silence arrive; an idle null
    // sink takes up to two seconds to hand out its first block.
    for (int i = 0; i < 800 && fs::file_size(file_) == 0; ++i) QThread::msleep(5);
}

Recording::~Recording() {
    stop();
    std::error_code ec;
    fs::remove(file_, ec);
}

std::vector<std::int16_t> Recording::stop() {
    if (parec_->state() != QProcess::NotRunning) {
        parec_->terminate();
        parec_->waitForFinished(5000);
    }
    const std::string bytes = readBytes(file_);  // s16le, as the host's own order
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

double rms(const std::vector<std::int16_t>& samples, double from, double to) {
    const auto first = static_cast<std::size_t>(std::max(0.0, from) * Recording::kRate);
    const auto last =
        std::min(samples.size(), static_cast<std::size_t>(std::max(0.0, to) * Recording::kRate));
    if (first >= last)
        return 0;
    double sum = 0;
    for (std::size_t i = first; i < last; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(last - first));
}

double onset(const std::vector<std::int16_t>& samples, double from, int threshold) {
    for (auto i = static_cast<std::size_t>(std::max(0.0, from) * Recording::kRate);
         i < samples.size(); ++i)
        if (std::abs(samples[i]) > threshold)
            return static_cast<double>(i) / Recording::kRate;
    return -1;
}

fs::path makeTone(const fs::path& file, double seconds, int hertz) {
    QStringList arguments = u"-nostdin -loglevel error -y -f lavfi -i"_s.split(u' ');
    arguments << u"sine=frequency=%1:duration=%2:sample_rate=44100"_s.arg(hertz).arg(seconds)
              << u"-ac"_s << u"1"_s;
    if (file.extension() == ".wma")
        arguments << u"-c:a"_s << u"wmav2"_s;
    arguments << qs(file);
    return run(u"ffmpeg"_s, arguments) ? file : fs::path();
}

}  // namespace tollix::test
