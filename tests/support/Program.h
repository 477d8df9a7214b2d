#pragma once

#include "tests/support/Pulse.h"

#include <QDateTime>
#include <QProcessEnvironment>

namespace tollix::test {

// libfaketime, which the runs of the real program live under.
inline constexpr char kFakeTimeLibrary[] = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1";

// The real program's surroundings under `home`: XDG folders and a runtime
// folder of its own (another run's copy would hold the single-copy lock),
// libfaketime loaded, and never the machine's logind or timedated (a test
// may bring its own bus). The fake time itself is the test's to add.
QProcessEnvironment programEnvironment(const std::filesystem::path& home);

// The real program in a home of the test's own (programEnvironment, the
// shared sound server), its program folder made; ended with the test.
struct Program {
    TempFolder home;
    AppPaths paths{home.path() / "tollix"};
    QProcessEnvironment env;
    QProcess process;
    // What start() runs it with.
    QStringList startArguments;

    Program();
    ~Program();
    // The fake clock `lead` seconds ahead of the real one, or at `at` as of
    // now; read afresh at every call, so a running program steps at once.
    void setLead(long long lead);
    void setClock(const QDateTime& at) {
        setLead(at.toSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch());
    }
    // A tone in the sound folder (see makeTone).
    void tone(const std::string& name, double seconds, int hertz = 440);
    // data.ini with "Auto execution" set, so the schedule starts with the
    // program, and the week's list.
    void settings(GeneralSettings settings, const std::vector<std::string>& week = {});
    bool start();
    // Once it answers a second copy.
    bool up() const;
    bool stop(int ms = 5000);
    // Another copy run with `arguments`, `input` typed; status -1 when it did not end.
    struct Said {
        int status;
        std::string out, error;
    };
    Said command(const QStringList& arguments, const QByteArray& input = {}) const;
    std::string records() const { return ringRecords(home.path() / "state/tollix/rings.log"); }
    std::string errors() const { return readBytes(home.path() / "stderr"); }
};

}  // namespace tollix::test
