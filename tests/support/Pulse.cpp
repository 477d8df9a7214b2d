#include "tests/support/Pulse.h"

#include "tests/support/Doubles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace tollix::test {

namespace {

QString script() {
    return QStringLiteral(TOLLIX_SOURCE_DIR "/scripts/lib/pulse-daemon.sh");
}

QString qs(const fs::path& path) {
    return QString::fromStdString(path.string());
}

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

// A server of this process's own is stopped when the process ends.
PulseServer& PulseServer::shared() {
    static QTemporaryDir own;
    static const std::unique_ptr<PulseServer> server = [] {
        const QByteArray given = qgetenv("TOLLIX_TEST_PULSE");
        auto s = std::make_unique<PulseServer>(given.isEmpty()
                                                   ? fs::path(own.path().toStdString()) / "pulse"
                                                   : fs::path(given.toStdString()));
        if (given.isEmpty())
            s->start();
        else
            s->owned_ = false;
        return s;
    }();
    return *server;
}

PulseServer::PulseServer(fs::path folder) : folder_(std::move(folder)) {}

PulseServer::~PulseServer() {
    if (owned_)
        stop();
}

// Killed by a time-out, the process cannot stop its servers: they end
// themselves after half a minute without a client.
bool PulseServer::start() {
    return run(script(), {QStringLiteral("start"), qs(folder_), QStringLiteral("30")});
}

// Also at the process's end, when Qt may be gone: no QProcess.
void PulseServer::stop() {
    const std::string command = "'" + script().toStdString() + "' stop '" + folder_.string() + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not stop the sound server in %s\n", folder_.c_str());
}

QString PulseServer::address() const {
    return QStringLiteral("unix:") + qs(folder_ / "native");
}

void PulseServer::use() const {
    qputenv("PULSE_SERVER", address().toLocal8Bit());
}

QString PulseServer::pactl(const QStringList& arguments) const {
    QString output;
    run(QStringLiteral("pactl"), QStringList{QStringLiteral("--server=") + address()} + arguments,
        &output);
    return output;
}

Recording::Recording(const PulseServer& server)
    : file_(fs::temp_directory_path() /
            ("tollix-rec-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
             std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".raw")),
      parec_(std::make_unique<QProcess>()) {
    parec_->setStandardOutputFile(qs(file_));
    endWithTest(*parec_);
    parec_->start(QStringLiteral("parec"),
                  {QStringLiteral("--server=") + server.address(), QStringLiteral("-d"),
                   QStringLiteral("bells.monitor"), QStringLiteral("--format=s16le"),
                   QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                   QStringLiteral("--latency-msec=10"), QStringLiteral("--raw")});
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
    std::ifstream in(file_, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                               (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
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

double onset(const std::vector<std::int16_t>& samples, int threshold) {
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (std::abs(samples[i]) > threshold)
            return static_cast<double>(i) / Recording::kRate;
    return -1;
}

fs::path makeTone(const fs::path& file, double seconds, int hertz) {
    QStringList arguments{
        QStringLiteral("-nostdin"),
        QStringLiteral("-loglevel"),
        QStringLiteral("error"),
        QStringLiteral("-y"),
        QStringLiteral("-f"),
        QStringLiteral("lavfi"),
        QStringLiteral("-i"),
        QStringLiteral("sine=frequency=%1:duration=%2:sample_rate=44100").arg(hertz).arg(seconds),
        QStringLiteral("-ac"),
        QStringLiteral("1")};
    if (file.extension() == ".wma")
        arguments << QStringLiteral("-c:a") << QStringLiteral("wmav2");
    arguments << qs(file);
    return run(QStringLiteral("ffmpeg"), arguments) ? file : fs::path();
}

}  // namespace tollix::test
