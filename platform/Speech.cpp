#include "platform/Speech.h"

#include "platform/AudioJoin.h"

#include <QCryptographicHash>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>

#include <fstream>

namespace tollix {

namespace fs = std::filesystem;

namespace {

// A speech program that hangs must not keep the others waiting for ever.
constexpr int kLongestRenderMs = 60'000;
// A WAV header alone is no sound.
constexpr std::uintmax_t kWavHeaderBytes = 44;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

std::string lastLine(const QByteArray& output) {
    const QList<QByteArray> lines = output.trimmed().split('\n');
    return lines.isEmpty() ? std::string() : lines.last().trimmed().toStdString();
}

}  // namespace

Speech::Speech(Setup setup, QObject* parent) : QObject(parent), setup_(std::move(setup)) {
    joining_.setMaxThreadCount(1);
    settle_.setSingleShot(true);
    settle_.setInterval(200);
    limit_.setSingleShot(true);
    limit_.setInterval(kLongestRenderMs);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&settle_, &QTimer::timeout, this, &Speech::look);
    connect(&limit_, &QTimer::timeout, this, [this] {
        if (process_)
            process_->kill();  // finished follows, and says it crashed
    });
}

Speech::~Speech() {
    if (process_) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(1000);
    }
}

fs::path Speech::defaultCacheFolder() {
    return fs::path(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                        .toStdString()) /
           "tollix" / "speech";
}

std::string Speech::voiceFor(const QStringList& languages) {
    for (const QString& language : languages) {
        const QString code = language.left(2).toLower();
        if (code == QLatin1String("zh"))
            return "cmn";
        if (code == QLatin1String("en") || code == QLatin1String("de") ||
            code == QLatin1String("es") || code == QLatin1String("fr"))
            return code.toStdString();
    }
    return "en";
}

// "command = …" of data/speech.ini, read afresh for each rendering.
QStringList Speech::command() const {
    std::ifstream in(setup_.settingsFile);
    for (std::string line; std::getline(in, line);) {
        const QString text = qs(line).trimmed();
        if (!text.startsWith(QLatin1String("command")))
            continue;
        const QString rest = text.mid(7).trimmed();
        if (rest.startsWith(QLatin1Char('='))) {
            const QStringList words = QProcess::splitCommand(rest.mid(1).trimmed());
            if (!words.isEmpty())
                return words;
        }
    }
    return {QStringLiteral("espeak-ng"), QStringLiteral("-v"), QStringLiteral("{voice}"),
            QStringLiteral("-w"), QStringLiteral("{wav}")};
}

fs::path Speech::wavOf(const std::string& key) const {
    return setup_.cacheFolder / (key + ".wav");
}

std::string Speech::jobFor(const fs::path& sayFile, Job& job) const {
    const sound::SpokenText spoken = sound::readSpoken(sayFile);
    job.name = sayFile.filename().string();
    job.voice = spoken.voice.empty() ? setup_.voice : spoken.voice;
    job.text = spoken.text;
    if (job.text.empty())
        return "it holds no words";
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(command().join(QLatin1Char('\n')).toUtf8());
    for (const std::string& part : {job.voice, job.text}) {
        hash.addData(QByteArrayView("\0", 1));
        hash.addData(QByteArrayView(part.data(), static_cast<qsizetype>(part.size())));
    }
    if (!spoken.before.empty()) {
        // Another chime under the same name is another sound.
        std::error_code ec;
        job.before = setup_.soundFolder / spoken.before;
        const auto size = fs::file_size(job.before, ec);
        if (ec || spoken.before.find('/') != std::string::npos)
            return "before: " + spoken.before + " is not in the sound folder";
        const auto written = fs::last_write_time(job.before, ec).time_since_epoch().count();
        hash.addData(QStringLiteral("\0%1\0%2\0%3")
                         .arg(qs(spoken.before))
                         .arg(static_cast<qulonglong>(size))
                         .arg(static_cast<qlonglong>(written))
                         .toUtf8());
    }
    job.key = hash.result().toHex().left(32).toStdString();
    return {};
}

sound::SpokenFile Speech::wavFor(const fs::path& sayFile) {
    Job job;
    if (const std::string problem = jobFor(sayFile, job); !problem.empty()) {
        problems_[job.name] = problem;
        return {{}, problem};
    }
    std::error_code ec;
    const fs::path wav = wavOf(job.key);
    if (fs::exists(wav, ec)) {
        lastGood_[job.name] = wav;
        return {wav, {}};
    }
    if (const auto failed = failed_.find(job.key); failed != failed_.end())
        return {{}, failed->second};
    const std::string name = job.name;
    enqueue(std::move(job));
    if (const auto last = lastGood_.find(name);
        last != lastGood_.end() && fs::exists(last->second, ec))
        return {last->second, {}};
    return {{}, "the words are still being rendered"};
}

void Speech::say(const std::string& text, std::function<void(const sound::SpokenFile&)> done) {
    Job job{.key = {}, .name = {}, .voice = setup_.voice, .text = text, .before = {}, .done = {}};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(command().join(QLatin1Char('\n')).toUtf8());
    hash.addData(qs("\n" + job.voice + "\n" + text).toUtf8());
    job.key = "say-" + hash.result().toHex().left(32).toStdString();
    std::error_code ec;
    if (fs::exists(wavOf(job.key), ec))
        return done({wavOf(job.key), {}});
    job.done = std::move(done);
    enqueue(std::move(job), true);
}

void Speech::enqueue(Job job, bool first) {
    if (!job.done && !queued_.insert(job.key).second)
        return;  // in hand already
    if (first)
        queue_.push_front(std::move(job));
    else
        queue_.push_back(std::move(job));
    runNext();
}

void Speech::watchFiles() {
    const QString folder = qs(setup_.soundFolder.string());
    if (!watcher_.directories().contains(folder))
        watcher_.addPath(folder);
    QStringList files;
    std::error_code ec;
    for (fs::directory_iterator it(setup_.soundFolder, ec), end; !ec && it != end; it.increment(ec))
        if (sound::isSpokenFile(it->path().filename().string()))
            files << qs(it->path().string());
    if (fs::exists(setup_.settingsFile, ec))
        files << qs(setup_.settingsFile.string());
    const QStringList watched = watcher_.files();
    for (const QString& file : files)
        if (!watched.contains(file))
            watcher_.addPath(file);
}

void Speech::look() {
    watchFiles();
    std::map<std::string, std::string> problems;
    std::set<std::string> kept;
    std::error_code ec;
    for (fs::directory_iterator it(setup_.soundFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!sound::isSpokenFile(it->path().filename().string()))
            continue;
        Job job;
        if (std::string problem = jobFor(it->path(), job); !problem.empty()) {
            problems[job.name] = std::move(problem);
            continue;
        }
        kept.insert(job.key);
        if (const auto failed = failed_.find(job.key); failed != failed_.end())
            problems[job.name] = failed->second;
        else if (std::error_code missing; fs::exists(wavOf(job.key), missing))
            lastGood_[job.name] = wavOf(job.key);
        else
            enqueue(std::move(job));
    }
    // Renderings of texts gone or changed go, but for those still playing
    // until their new words are ready.
    for (const auto& [name, wav] : lastGood_) kept.insert(wav.stem().string());
    for (fs::directory_iterator it(setup_.cacheFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string stem = it->path().stem().string();
        if (it->path().extension() == ".wav" && !stem.starts_with("say-") &&
            !stem.starts_with(".") && !kept.count(stem))
            fs::remove(it->path(), ec);
    }
    if (problems != problems_) {
        problems_ = std::move(problems);
        emit rendered();
    }
}

void Speech::runNext() {
    if (current_ || queue_.empty())
        return;
    current_ = std::move(queue_.front());
    queue_.pop_front();
    std::error_code ec;
    if (fs::exists(wavOf(current_->key), ec))
        return finish({});
    fs::create_directories(setup_.cacheFolder, ec);
    const fs::path words = setup_.cacheFolder / ("." + current_->key + ".words.wav");
    QStringList arguments = command();
    program_ = arguments.takeFirst();
    for (QString& argument : arguments)
        // The words last: what they hold is never taken for a placeholder.
        argument.replace(QLatin1String("{voice}"), qs(current_->voice))
            .replace(QLatin1String("{wav}"), qs(words.string()))
            .replace(QLatin1String("{text}"), qs(current_->text));
    process_ = std::make_unique<QProcess>();
    process_->setStandardOutputFile(QProcess::nullDevice());
    connect(process_.get(), &QProcess::finished, this, &Speech::spoken);
    connect(process_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(program_.toStdString() +
                   " could not be started: " + process_->errorString().toStdString());
    });
    const QProcess* started = process_.get();
    process_->start(program_, arguments);
    if (process_.get() != started)
        return;  // it could not start, and is finished already
    limit_.start();
    process_->write(qs(current_->text).toUtf8());
    process_->closeWriteChannel();
}

void Speech::spoken(int exitCode, QProcess::ExitStatus status) {
    limit_.stop();
    const fs::path words = setup_.cacheFolder / ("." + current_->key + ".words.wav");
    std::error_code ec;
    if (status != QProcess::NormalExit || exitCode != 0) {
        std::string why = lastLine(process_->readAllStandardError());
        if (why.empty())
            why = status == QProcess::NormalExit ? "exit code " + std::to_string(exitCode)
                                                 : "it crashed or took too long";
        return finish(program_.toStdString() + " failed: " + why);
    }
    if (fs::file_size(words, ec) <= kWavHeaderBytes || ec)
        return finish(program_.toStdString() + " made no sound");
    const fs::path wav = wavOf(current_->key);
    if (current_->before.empty()) {
        fs::rename(words, wav, ec);
        return finish(ec ? ec.message() : std::string());
    }
    // The chime and the words become one file, off this thread.
    const fs::path before = current_->before;
    const fs::path part = setup_.cacheFolder / ("." + current_->key + ".part.wav");
    QPointer<Speech> self(this);
    joining_.start([self, before, words, part, wav] {
        std::string why = joinAudio(before, words, part);
        std::error_code renamed;
        if (why.empty())
            fs::rename(part, wav, renamed);
        if (renamed)
            why = renamed.message();
        QMetaObject::invokeMethod(
            self.data(),
            [self, why] {
                if (self)
                    self->finish(why);
            },
            Qt::QueuedConnection);
    });
}

void Speech::finish(const std::string& problem) {
    Job job = std::move(*current_);
    current_.reset();
    if (process_)
        process_.release()->deleteLater();  // maybe in one of its own signals
    limit_.stop();
    std::error_code ec;
    fs::remove(setup_.cacheFolder / ("." + job.key + ".words.wav"), ec);
    fs::remove(setup_.cacheFolder / ("." + job.key + ".part.wav"), ec);
    queued_.erase(job.key);
    sound::SpokenFile result;
    if (problem.empty()) {
        result.file = wavOf(job.key);
        failed_.erase(job.key);
        if (!job.name.empty()) {
            lastGood_[job.name] = result.file;
            problems_.erase(job.name);
        }
    } else {
        result.problem = problem;
        if (job.done == nullptr)
            failed_[job.key] = problem;
        if (!job.name.empty())
            problems_[job.name] = problem;
    }
    if (job.done)
        job.done(result);
    emit rendered();
    runNext();
}

}  // namespace tollix
