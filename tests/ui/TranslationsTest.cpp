#include "engine/DayNote.h"
#include "tests/support/Doubles.h"
#include "ui/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace tollix {
namespace {

struct Message {
    QString context, source, translation;
    bool finished = true;
};

std::vector<Message> readTs(const QString& file) {
    QFile ts(file);
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << file.toStdString();
    QXmlStreamReader xml(&ts);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == "name"_L1)
            context = xml.readElementText();
        else if (xml.name() == "message"_L1)
            messages.push_back({context, {}, {}});
        else if (xml.name() == "source"_L1)
            messages.back().source = xml.readElementText();
        else if (xml.name() == "translation"_L1) {
            messages.back().finished = xml.attributes().value("type"_L1).isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << file.toStdString() << xml.errorString().toStdString();
    return messages;
}

std::multiset<QString> placeholders(const QString& text) {
    std::multiset<QString> found;
    static const QRegularExpression marker(u"%L?\\d+|%n"_s);
    for (const auto& match : marker.globalMatch(text)) found.insert(match.captured());
    return found;
}

const QString kSources = QStringLiteral(TOLLIX_SOURCE_DIR);

// The other tests read the written texts, also after a failed check here.
struct Untranslated {
    ~Untranslated() { installTranslations({}); }
};

// Every text is translated, keeps its placeholders, and the built-in
// translation says what the file says.
TEST(Translations, EachLanguageIsCompleteKeepsItsPlaceholdersAndIsBuiltIn) {
    for (const char* language : {"en", "de", "es", "fr", "zh_CN"}) {
        SCOPED_TRACE(language);
        const auto messages =
            readTs(kSources + "/translations/tollix_"_L1 + QLatin1String(language) + ".ts"_L1);
        ASSERT_GT(messages.size(), 100u);
        const Untranslated afterwards;
        ASSERT_FALSE(installTranslations({QLatin1String(language)}).isEmpty());
        for (const Message& m : messages) {
            SCOPED_TRACE(m.source.toStdString());
            EXPECT_TRUE(m.finished && !m.translation.isEmpty());
            EXPECT_EQ(placeholders(m.translation), placeholders(m.source));
            EXPECT_EQ(QCoreApplication::translate(m.context.toUtf8().constData(),
                                                  m.source.toUtf8().constData()),
                      m.translation);
        }
    }
    EXPECT_EQ(QCoreApplication::translate("tollix::HolidaysWindow", "Holidays"), u"Holidays"_s);
}

// The files hold exactly the texts the sources ask to translate.
TEST(Translations, FilesHoldEveryTextOfTheSources) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath(u"fresh.ts"_s);
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_EXE),
                  {u"-project"_s, QStringLiteral(LUPDATE_PROJECT), u"-ts"_s, fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    std::set<std::pair<QString, QString>> wanted, held;
    for (const Message& m : readTs(fresh)) wanted.insert({m.context, m.source});
    for (const Message& m : readTs(kSources + "/translations/tollix_de.ts"_L1))
        held.insert({m.context, m.source});
    EXPECT_EQ(held, wanted);
}

TEST(Translations, TheDesktopsLanguageComesFromTheEnvironment) {
    struct Case {
        const char *all, *messages, *lang, *language;
        QStringList expected;
    } const cases[] = {
        {nullptr, nullptr, "de_DE.UTF-8", nullptr, {u"de_DE"_s}},
        {nullptr, "fr_FR.UTF-8", "de_DE.UTF-8", nullptr, {u"fr_FR"_s}},
        {"es_ES.UTF-8", "fr_FR.UTF-8", "de_DE", nullptr, {u"es_ES"_s}},
        {nullptr, nullptr, "de_AT.UTF-8@euro", "zh_CN:fr", {u"zh_CN"_s, u"fr"_s, u"de_AT"_s}},
        // The C locale speaks the written texts, whatever LANGUAGE says.
        {nullptr, nullptr, "C.UTF-8", "de", {}},
        {"POSIX", nullptr, "de_DE.UTF-8", "de", {}},
        {nullptr, nullptr, nullptr, "de", {}},
    };
    for (const Case& c : cases) {
        test::ScopedEnv all("LC_ALL", c.all), messages("LC_MESSAGES", c.messages),
            lang("LANG", c.lang), language("LANGUAGE", c.language);
        EXPECT_EQ(desktopLanguages(), c.expected) << (c.lang ? c.lang : "-");
    }
    const Untranslated afterwards;
    EXPECT_EQ(installTranslations({u"xx"_s, u"de_CH"_s}), u"de_DE"_s);
    // The plain code's refusals, part by part.
    EXPECT_EQ(refusalText("Tuesday: must end time bigger then start time"),
              u"Dienstag: Die Endzeit muss nach der Startzeit liegen"_s);
    EXPECT_EQ(refusalText("Tuesday: 12:30 unknown"), u"Dienstag: 12:30 unknown"_s);
    EXPECT_EQ(installTranslations({u"xx"_s}), QString());
}

}  // namespace
}  // namespace tollix
