// Spoken sounds: how a text file is read, and what the speech program is given.
#include "platform/Speech.h"
#include "tests/support/Doubles.h"

#include <QTest>

namespace tollix {
namespace {

TEST(SpokenText, TheVoiceAndChimeLinesComeFirstInEitherOrder) {
    struct Row {
        const char* content;
        const char* voice;
        const char* before;
        const char* text;
    };
    const Row rows[] = {
        {"Lunch", "", "", "Lunch"},
        {"voice: de\nMittagessen\n", "de", "", "Mittagessen"},
        {"\xEF\xBB\xBFVoice:fr\r\nbefore: chime.wav\r\nSalut", "fr", "chime.wav", "Salut"},
        {"before: chime.wav\nvoice: es\nHola", "es", "chime.wav", "Hola"},
        // Only at the start, once each: later, they are words.
        {"Hello\nvoice: de", "", "", "Hello\nvoice: de"},
        {"voice: de\nvoice: fr\nHi", "de", "", "voice: fr\nHi"},
        {"voice:\nHi", "", "", "voice:\nHi"},
    };
    for (const Row& row : rows) {
        const sound::SpokenText spoken = sound::parseSpoken(row.content);
        EXPECT_EQ(spoken.voice, row.voice) << row.content;
        EXPECT_EQ(spoken.before, row.before) << row.content;
        EXPECT_EQ(spoken.text, row.text) << row.content;
    }
}

// data/speech.ini's command gets the voice (the text's own, or the program's)
// and the file as arguments and the words on standard input; its failure is
// what the sound list shows.
TEST(Speech, TheCommandIsGivenVoiceWordsAndFileAndItsFailureIsSaid) {
    const test::TempFolder dir;
    const fs::path sounds = dir.path() / "sound", log = dir.path() / "log";
    fs::create_directories(sounds);
    writeBytes(dir.path() / "speak.sh",
               "[ \"$1\" = xx ] && { echo \"no voice xx\" >&2; exit 1; }\n"
               "echo \"$1|$(cat)\" >> " +
                   log.string() + "\nhead -c 100 /dev/zero > \"$2\"\n");
    writeBytes(
        dir.path() / "speech.ini",
        "[speech]\ncommand = /bin/sh " + (dir.path() / "speak.sh").string() + " {voice} {wav}\n");
    writeBytes(sounds / "a.say", "voice: de\nGuten Tag");
    writeBytes(sounds / "b.say", "Bonjour");
    Speech speech({sounds, dir.path() / "cache", dir.path() / "speech.ini", "fr"});
    speech.look();
    ASSERT_TRUE(QTest::qWaitFor([&] { return speech.pending() == 0; }, 10000));
    std::string said = readBytes(log);
    EXPECT_TRUE(said == "de|Guten Tag\nfr|Bonjour\n" || said == "fr|Bonjour\nde|Guten Tag\n")
        << said;
    const sound::SpokenFile a = speech.wavFor(sounds / "a.say");
    EXPECT_EQ(a.problem, "");
    EXPECT_EQ(a.file.parent_path(), dir.path() / "cache");
    EXPECT_TRUE(fs::exists(a.file));

    // Rendered once: a look finds nothing to do. A changed text is rendered afresh.
    writeBytes(sounds / "b.say", "voice: xx\nBonjour");
    speech.look();
    ASSERT_TRUE(QTest::qWaitFor([&] { return speech.pending() == 0; }, 10000));
    EXPECT_EQ(readBytes(log), said);
    EXPECT_EQ(speech.problems().size(), 1u);
    EXPECT_EQ(speech.problems().at("b.say"), "/bin/sh failed: no voice xx");
    EXPECT_EQ(speech.wavFor(sounds / "b.say").problem, "/bin/sh failed: no voice xx");
    EXPECT_EQ(speech.wavFor(sounds / "a.say").file, a.file);
}

}  // namespace
}  // namespace tollix
