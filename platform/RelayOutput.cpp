#include "platform/RelayOutput.h"

#include <QProcess>

#include <memory>

namespace tollix {

// "sh -c" takes the rest of the line as its script, in the quotes it is
// written in; any other command is split into words, "quoted" ones kept whole.
QStringList RelayOutput::commandArguments(const std::string& command) {
    QString line = QString::fromStdString(command).trimmed();
    static const QString shell = QStringLiteral("sh -c ");
    if (!line.startsWith(shell))
        return QProcess::splitCommand(line);
    QString script = line.mid(shell.size()).trimmed();
    if (script.size() >= 2 && (script.front() == u'\'' || script.front() == u'"') &&
        script.back() == script.front())
        script = script.mid(1, script.size() - 2);
    return {QStringLiteral("sh"), QStringLiteral("-c"), script};
}

RelayOutput::RelayOutput(sound::RelayLine line, Report failed, Keep keep)
    : line_(std::move(line)), failed_(std::move(failed)), keep_(std::move(keep)) {
    hold_.setSingleShot(true);
    endTurn_.setSingleShot(true);
    endTurn_.setInterval(0);
    connect(&hold_, &QTimer::timeout, this, [this] {
        if (!wholeSound_)
            switchOff();
    });
    connect(&endTurn_, &QTimer::timeout, this, &RelayOutput::switchOff);
}

RelayOutput::~RelayOutput() {
    switchOff();
    finishNow();
}

void RelayOutput::start(bool wholeSound) {
    endTurn_.stop();
    wholeSound_ = wholeSound;
    if (line_.holdSeconds > 0 && !wholeSound)
        hold_.start(std::chrono::seconds(line_.holdSeconds));
    if (on_)
        return;
    on_ = true;
    // Written down before it can be on: a crash from here on is switched off at the next start.
    keep_(line_.off, true);
    run(line_.on, true);
}

void RelayOutput::soundEnded() {
    if (!on_ || (hold_.isActive() && !wholeSound_))
        return;
    endTurn_.start();
}

void RelayOutput::switchOff() {
    endTurn_.stop();
    hold_.stop();
    if (!on_)
        return;
    on_ = false;
    run(line_.off, false);
}

void RelayOutput::run(const std::string& command, bool on) {
    if (process_) {
        queued_ = {command, on};
        return;
    }
    const std::string what = std::string("relay ") + (on ? "ON" : "OFF") + " \"" + command + "\"";
    QStringList arguments = commandArguments(command);
    if (arguments.isEmpty())
        return finished(what, false, "nothing to run", on, command);
    auto* process = new QProcess(this);
    process_ = process;
    process->setProgram(arguments.takeFirst());
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    auto timedOut = std::make_shared<bool>(false);
    QTimer::singleShot(kCommandLimit, process, [process, timedOut] {
        *timedOut = true;
        process->kill();
    });
    connect(process, &QProcess::finished, this,
            [this, process, what, on, command, timedOut](int code, QProcess::ExitStatus status) {
                const bool ok = status == QProcess::NormalExit && code == 0;
                finished(what, ok,
                         *timedOut                        ? "no end within 5 s: killed"
                         : status == QProcess::NormalExit ? "exit status " + std::to_string(code)
                                                          : std::string("crashed"),
                         on, command);
            });
    connect(process, &QProcess::errorOccurred, this,
            [this, process, what, on, command](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    finished(what, false,
                             "could not be started: " + process->errorString().toStdString(), on,
                             command);
            });
    process->start();
}

void RelayOutput::finished(const std::string& what, bool ok, const std::string& why, bool on,
                           const std::string& command) {
    if (process_) {
        process_->disconnect(this);
        process_->deleteLater();
        process_ = nullptr;
    }
    if (!ok && failed_)
        failed_(what + ": " + why);
    // Off for sure only once OFF succeeded: until then the next start tries again.
    if (ok && !on)
        keep_(command, false);
    if (auto next = std::exchange(queued_, std::nullopt))
        run(next->first, next->second);
}

void RelayOutput::finishNow() {
    while (process_) {
        QProcess* process = process_;
        if (!process->waitForFinished(
                static_cast<int>(std::chrono::milliseconds(kCommandLimit).count()))) {
            process->kill();
            process->waitForFinished(1000);
        }
        // waitForFinished delivered finished() unless the process never ran.
        if (process_ == process)
            finished("relay", false, "no end within 5 s: killed", false, {});
    }
}

}  // namespace tollix
