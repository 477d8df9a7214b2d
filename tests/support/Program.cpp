#include "tests/support/Program.h"

#include "schedule/DefaultFiles.h"

#include <iostream>

namespace tollix::test {

QProcessEnvironment programEnvironment(const fs::path& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    fs::create_directory(home / "run");
    fs::permissions(home / "run", fs::perms::owner_all);
    const QString at = QString::fromStdString(home.string());
    const std::pair<QString, QString> values[] = {
        {u"XDG_DATA_HOME"_s, at},
        {u"XDG_STATE_HOME"_s, at + u"/state"_s},
        {u"XDG_CACHE_HOME"_s, at + u"/cache"_s},
        {u"XDG_CONFIG_HOME"_s, at + u"/config"_s},
        {u"XDG_RUNTIME_DIR"_s, at + u"/run"_s},
        {u"QT_QPA_PLATFORM"_s, u"offscreen"_s},
        {u"LD_PRELOAD"_s, QString::fromLatin1(kFakeTimeLibrary)},
        {u"FAKETIME_DONT_FAKE_MONOTONIC"_s, u"1"_s},
        {u"DBUS_SYSTEM_BUS_ADDRESS"_s, u"unix:path=/nonexistent/tollix-test-bus"_s}};
    for (const auto& [name, value] : values) env.insert(name, value);
    return env;
}

Program::Program() {
    PulseServer::shared();  // before the environment is taken
    env = programEnvironment(home.path());
    EXPECT_TRUE(EnsureProgramFolder(paths).empty());
}

Program::~Program() {
    if (process.state() != QProcess::NotRunning && !stop()) {
        // Stuck: where each thread waits, for the failure report.
        QProcess::execute(u"gdb"_s, {u"-batch"_s, u"-p"_s, QString::number(process.processId()),
                                     u"-ex"_s, u"thread apply all bt"_s});
        process.kill();
        process.waitForFinished(2000);
    }
    // What it said, for the failure report.
    if (::testing::Test::HasFailure())
        std::cerr << errors();
}

void Program::setLead(long long lead) {
    const fs::path file = home.path() / "faketime";
    writeBytes(file, (lead >= 0 ? "+" : "") + std::to_string(lead) + "\n");
    env.insert(u"FAKETIME_TIMESTAMP_FILE"_s, QString::fromStdString(file.string()));
    env.insert(u"FAKETIME_NO_CACHE"_s, u"1"_s);
}

void Program::tone(const std::string& name, double seconds, int hertz) {
    ASSERT_FALSE(makeTone(paths.soundFolder() / name, seconds, hertz).empty());
}

void Program::settings(GeneralSettings settings, const std::vector<std::string>& week) {
    settings.auto_exe = 1;
    save(paths.dataIni(), settings);
    saveWeekList(paths.weekList(), week);
}

bool Program::start() {
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QString::fromStdString((home.path() / "stderr").string()));
    endWithTest(process);
    process.start(QStringLiteral(TOLLIX_EXE), startArguments);
    return process.waitForStarted(5000);
}

bool Program::up() const {
    return QTest::qWaitFor([&] { return fs::exists(home.path() / "run/tollix.socket"); }, 30000);
}

bool Program::stop(int ms) {
    process.terminate();
    return process.waitForFinished(ms);
}

Program::Said Program::command(const QStringList& arguments, const QByteArray& input) const {
    QProcess command;
    command.setProcessEnvironment(env);
    command.start(QStringLiteral(TOLLIX_EXE), arguments);
    command.write(input);
    command.closeWriteChannel();
    const bool ended = command.waitForFinished(30000);
    return {ended ? command.exitCode() : -1, command.readAllStandardOutput().toStdString(),
            command.readAllStandardError().toStdString()};
}

}  // namespace tollix::test
