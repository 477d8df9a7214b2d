#include "platform/SingleInstance.h"
#include "tests/support/Doubles.h"

#include <QLocalSocket>
#include <QProcessEnvironment>

namespace tollix {
namespace {

// A user's session of its own: runtime folder and data folder.
class TwoCopies : public ::testing::Test {
  protected:
    test::TempFolder dir;
    fs::path run = dir.path() / "run";
    fs::path data = dir.path() / "data";

    void SetUp() override {
        fs::create_directories(run);
        fs::permissions(run, fs::perms::owner_all);
        fs::create_directories(data);
    }

    void startTollix(QProcess& process, const QString& activationToken = {}) {
        auto env = QProcessEnvironment::systemEnvironment();
        env.remove(u"XDG_ACTIVATION_TOKEN"_s);
        if (!activationToken.isEmpty())
            env.insert(u"XDG_ACTIVATION_TOKEN"_s, activationToken);
        env.insert(u"XDG_RUNTIME_DIR"_s, QString::fromStdString(run.string()));
        env.insert(u"XDG_DATA_HOME"_s, QString::fromStdString(data.string()));
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TOLLIX_EXE), {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // The first copy answers once its window is up.
    bool answering() {
        return QTest::qWaitFor([this] { return fs::exists(run / "tollix.socket"); }, 15000);
    }
};

// A lock left by a killed copy stops no start; a second copy then ends at
// once, and neither it nor the first's SIGTERM writes a file.
TEST_F(TwoCopies, AKilledCopysLockStopsNothingAndTheSecondEndsAtOnce) {
    QProcess killed;
    startTollix(killed);
    ASSERT_TRUE(answering());
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(10000));
    ASSERT_TRUE(fs::exists(run / "tollix.lock"));
    fs::remove(run / "tollix.socket");

    QProcess first;
    startTollix(first);
    ASSERT_TRUE(answering()) << "the next copy did not come up";
    const auto before = test::snapshot(data);
    ASSERT_FALSE(before.empty());  // the first start made the program folder
    QProcess second;
    startTollix(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(test::snapshot(data), before);
    first.terminate();  // SIGTERM: the program's own way out
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(test::snapshot(data), before);
}

// The second copy hands on its desktop's token; whatever else reaches the
// socket never becomes a token to act on.
TEST_F(TwoCopies, TheSecondAsksTheFirstToShowItsWindowWithAPlainTokenOnly) {
    SingleInstance first(QString::fromStdString(run.string()));
    ASSERT_TRUE(first.claim());
    ASSERT_TRUE(first.listen());
    QSignalSpy shown(&first, &SingleInstance::showRequested);
    QProcess copy;
    startTollix(copy, u"kwin-4711_a.b"_s);  // the token of a Wayland desktop
    ASSERT_TRUE(shown.wait(10000));
    EXPECT_EQ(shown.takeFirst().at(0).toString(), u"kwin-4711_a.b"_s);
    ASSERT_TRUE(copy.waitForFinished(10000));
    EXPECT_EQ(copy.exitCode(), 0);
    EXPECT_FALSE(fs::exists(data / "tollix")) << "it made a program folder";

    SingleInstance second(QString::fromStdString(run.string()));
    for (const QString& token : {u""_s, u"a b"_s, u"x\nshow y"_s, QString(2000, u'z')}) {
        ASSERT_TRUE(second.notifyRunningCopy(token));
        ASSERT_TRUE(shown.wait(5000)) << token.toStdString();
        EXPECT_EQ(shown.takeFirst().at(0).toString(), QString()) << token.toStdString();
        EXPECT_TRUE(shown.isEmpty()) << "one show per copy";
    }
    QLocalSocket stray;  // a line from something that is not a copy of ours
    stray.connectToServer(QString::fromStdString((run / "tollix.socket").string()));
    ASSERT_TRUE(stray.waitForConnected(5000));
    stray.write("show t\x01k\nshow " + QByteArray(3000, 'q') + "\nshow\n");
    stray.waitForBytesWritten(5000);
    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(shown.takeFirst().at(0).toString(), QString());
    ASSERT_TRUE(second.notifyRunningCopy(u"ok-1"_s));
    ASSERT_TRUE(QTest::qWaitFor([&shown] { return !shown.isEmpty(); }, 5000));
    EXPECT_EQ(shown.takeFirst().at(0).toString(), u"ok-1"_s)
        << "the stray's last line was acted on";
}

}  // namespace
}  // namespace tollix
