#include "platform/RelaysAndStreams.h"

#include "sound/StateFile.h"

#include <QProcess>

#include <algorithm>

namespace tollix {

RelaysAndStreams::RelaysAndStreams(Makers makers) : makers_(std::move(makers)) {}

RelaysAndStreams::~RelaysAndStreams() {
    close();
    relays_.clear();
}

void RelaysAndStreams::report(const std::string& what) {
    if (failed_)
        failed_(what);
}

void RelaysAndStreams::keep(const std::string& off, bool on) {
    if (on ? !kept_.insert(off).second : kept_.erase(off) == 0)
        return;
    if (!stateFile_.empty())
        sound::writeStateFile(stateFile_, {kept_.begin(), kept_.end()});
}

void RelaysAndStreams::setLines(const std::vector<std::string>& lines) {
    std::set<std::string> wanted;
    for (const auto& text : lines) {
        const sound::OutputLine line = sound::parseOutputLine(text);
        wanted.insert(text);
        const auto reportTo = [this](const std::string& what) { report(what); };
        if (line.kind == sound::OutputLine::Kind::Relay && !relays_.count(text) && makers_.relay)
            relays_[text] = makers_.relay(
                line.relay, reportTo, [this](const std::string& off, bool on) { keep(off, on); });
        else if (line.kind == sound::OutputLine::Kind::Stream && !streams_.count(text) &&
                 makers_.stream)
            streams_[text] = makers_.stream(line.stream, reportTo);
    }
    std::erase_if(relays_, [&wanted](const auto& relay) { return !wanted.count(relay.first); });
    for (auto at = streams_.begin(); at != streams_.end();) {
        if (wanted.count(at->first)) {
            ++at;
            continue;
        }
        std::erase(open_, at->second.get());
        at = streams_.erase(at);
    }
}

void RelaysAndStreams::warm(const std::string& path) {
    for (auto& [line, stream] : streams_) stream->warm(path);
}

void RelaysAndStreams::startOpen(const std::string& path) {
    close();
    for (auto& [line, stream] : streams_)
        if (stream->startOpen(path))
            open_.push_back(stream.get());
}

void RelaysAndStreams::finishOpen(std::chrono::steady_clock::time_point until) {
    std::erase_if(open_, [until](RtpStream* stream) {
        return !stream->finishOpen(std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now()));
    });
}

void RelaysAndStreams::play() {
    for (RtpStream* stream : open_) stream->play();
    for (auto& [line, relay] : relays_) relay->start(wholeSound_);
}

void RelaysAndStreams::close() {
    for (RtpStream* stream : open_) stream->close();
    open_.clear();
    for (auto& [line, relay] : relays_) relay->soundEnded();
}

void RelaysAndStreams::stopAll() {
    close();
    for (auto& [line, relay] : relays_) relay->switchOff();
}

void RelaysAndStreams::check() {
    for (RtpStream* stream : open_) stream->check();
}

RelaysAndStreams::Restored RelaysAndStreams::keepRelaysIn(std::filesystem::path file) {
    Restored restored;
    const auto offs = sound::readStateFile(file);
    // Side by side, so that several relays together take no longer than one.
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const auto& off : offs) {
        QStringList arguments = RelayOutput::commandArguments(off);
        auto& process = processes.emplace_back(std::make_unique<QProcess>());
        process->setStandardOutputFile(QProcess::nullDevice());
        if (!arguments.isEmpty()) {
            process->setProgram(arguments.takeFirst());
            process->setArguments(arguments);
            process->start();
        }
    }
    constexpr int kLimitMs = std::chrono::milliseconds(RelayOutput::kCommandLimit).count();
    for (std::size_t i = 0; i < offs.size(); ++i) {
        QProcess& process = *processes[i];
        const std::string what = "relay OFF \"" + offs[i] + "\": ";
        if (!process.waitForStarted(kLimitMs)) {
            restored.failed.push_back(what + "could not be started");
        } else if (!process.waitForFinished(kLimitMs)) {
            process.kill();
            process.waitForFinished(1000);
            restored.failed.push_back(what + "no end within 5 s: killed");
        } else if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            restored.failed.push_back(what + "exit status " + std::to_string(process.exitCode()));
        } else {
            restored.off.push_back(offs[i]);
            continue;
        }
        // Not known to be off: the next start tries again.
        kept_.insert(offs[i]);
    }
    stateFile_ = std::move(file);
    sound::writeStateFile(stateFile_, {kept_.begin(), kept_.end()});
    return restored;
}

bool RelaysAndStreams::test(const std::string& line, const std::string& path, int seconds) {
    if (const auto relay = relays_.find(line); relay != relays_.end()) {
        if (relay->second->isOn())
            return false;
        relay->second->start();
        QTimer::singleShot(std::chrono::seconds(seconds), relay->second.get(),
                           &RelayOutput::switchOff);
        return true;
    }
    const auto stream = streams_.find(line);
    // A stream a bell sends now is the bell's.
    if (stream == streams_.end() || path.empty() ||
        std::find(open_.begin(), open_.end(), stream->second.get()) != open_.end() ||
        !stream->second->startOpen(path))
        return false;
    stream->second->play();
    return true;
}

}  // namespace tollix
