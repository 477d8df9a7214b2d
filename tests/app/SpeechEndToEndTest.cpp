// Spoken sounds rung by the real program into the private sound server.
#include "tests/support/Program.h"

#include <chrono>

namespace tollix {
namespace {

using std::chrono::system_clock;
using test::Recording;

constexpr char kWords[] = "Lunch for years seven and eight. Please leave your classrooms.";

// Seconds of speech espeak-ng makes of `text` (16-bit mono WAV, 22050 Hz).
double spokenSeconds(const QString& text) {
    const test::TempFolder folder;
    const QString wav = QString::fromStdString((folder.path() / "words.wav").string());
    QProcess espeak;
    espeak.start(u"espeak-ng"_s, {u"-v"_s, u"en"_s, u"-w"_s, wav, text});
    espeak.waitForFinished(30000);
    return static_cast<double>(QFileInfo(wav).size() - 44) / (2 * 22050);
}

// The last moment from `from` on at which 50 ms of the recording are louder than speech's pauses.
double lastSound(const std::vector<std::int16_t>& samples, double from) {
    double last = -1;
    for (double at = from; at * Recording::kRate < static_cast<double>(samples.size()); at += 0.05)
        if (test::rms(samples, at, at + 0.05) > 300)
            last = at + 0.05;
    return last;
}

class SpeechEndToEnd : public ::testing::Test, protected test::Program {
  protected:
    // Runs Tollix so that its clock reaches 08:30 on a Monday three seconds
    // from now and on for `seconds`; what the sink played, and the moment of
    // 08:30 in it.
    std::pair<std::vector<std::int16_t>, double> ringAtHalfPastEight(double seconds) {
        Recording recording(test::PulseServer::shared());
        const auto started = system_clock::now();
        const auto boundary =
            std::chrono::ceil<std::chrono::seconds>(started) + std::chrono::seconds(3);
        setLead(QDateTime(QDate(2026, 12, 7), QTime(8, 30)).toSecsSinceEpoch() -
                system_clock::to_time_t(boundary));
        settings({.timeMode = 2}, {"08hr 30min/lunch.say"});
        EXPECT_TRUE(start());
        const auto until = boundary + std::chrono::duration_cast<system_clock::duration>(
                                          std::chrono::duration<double>(seconds));
        while (system_clock::now() < until) QTest::qWait(20);
        return {recording.stop(), std::chrono::duration<double>(boundary - started).count()};
    }
    std::string reasonOfLastRing() const {
        const auto lines = RingLog::lastLines(home.path() / "state/tollix/rings.log", 1);
        return lines.empty() ? std::string() : lines.back();
    }
};

// Rendered in the seconds before its bell, the chime and the words play as
// one sound at the bell's minute, for as long as the words take.
TEST_F(SpeechEndToEnd, ASpokenBellPlaysItsChimeThenItsWordsAtItsMinute) {
    tone("chime.wav", 0.6, 880);
    writeBytes(paths.soundFolder() / "lunch.say", std::string("before: chime.wav\n") + kWords);
    const double words = spokenSeconds(QString::fromLatin1(kWords));
    ASSERT_GT(words, 2);
    const auto [samples, boundary] = ringAtHalfPastEight(words + 3);

    EXPECT_EQ(records(), "rang lunch.say");
    const double heard = test::onset(samples, boundary - 0.5);
    EXPECT_GT(heard, boundary - 0.1);
    EXPECT_LT(heard, boundary + 0.9);
    EXPECT_GT(test::rms(samples, heard + 0.1, heard + 0.5), 1000);  // the chime
    EXPECT_NEAR(lastSound(samples, heard), heard + 0.6 + words, 0.5);
    // Speech through its length, not a click at each end.
    EXPECT_GT(test::rms(samples, heard + 0.8, heard + 0.6 + words - 0.2), 500);
}

TEST_F(SpeechEndToEnd, WithoutEspeakTheBellIsRecordedFailedWithTheReason) {
    writeBytes(paths.soundFolder() / "lunch.say", kWords);
    fs::create_directories(home.path() / "bin");
    env.insert(u"PATH"_s, QString::fromStdString((home.path() / "bin").string()));
    const auto [samples, boundary] = ringAtHalfPastEight(1.5);

    EXPECT_EQ(records(), "failed lunch.say");
    EXPECT_NE(reasonOfLastRing().find("not spoken: espeak-ng could not be started"),
              std::string::npos)
        << reasonOfLastRing();
    EXPECT_LT(test::rms(samples, boundary, boundary + 1.5), 100);
}

}  // namespace
}  // namespace tollix
