#include "tests/support/Doubles.h"

#include <QThread>

#include <random>

namespace tollix {
namespace {

TEST(AtomicSave, KillingTheWriterNeverLeavesAnEmptyOrHalfFile) {
    test::TempFolder dir;
    const auto file = dir.path() / "data.ini";
    ASSERT_EQ(datafiles::writeGeneral(file, GeneralSettings{}), "");
    const std::string a = readBytes(file);
    ASSERT_EQ(datafiles::writeGeneral(file, {.auto_exe = 1, .fileListIndex = 12, .timeMode = 2}),
              "");  // what the writer alternates with
    const std::string b = readBytes(file);

    std::mt19937 random(12345);
    for (int round = 0; round < 40; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(SAVELOOP_EXE), {QString::fromStdString(file.string())});
        ASSERT_TRUE(writer.waitForReadyRead(10000));
        QThread::usleep(1000 + random() % 30000);
        writer.kill();  // SIGKILL
        ASSERT_TRUE(writer.waitForFinished(10000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer stopped by itself";
        const std::string bytes = readBytes(file);
        ASSERT_TRUE(bytes == a || bytes == b)
            << "round " << round << ": " << bytes.size() << " bytes";
    }
}

}  // namespace
}  // namespace tollix
