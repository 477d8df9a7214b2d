// The real program speaks the desktop's language on the command line, Qt's
// own words included, and the written texts under the C locale.
#include "tests/support/Doubles.h"
#include "tests/support/Pulse.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace tollix {
namespace {

using namespace Qt::StringLiterals;

TEST(CommandLineLanguage, FollowsTheDesktopsLanguage) {
    struct Case {
        const char *lcAll, *lang, *language, *argument;
        int status;
        const char* said;  // Qt's own words too
    } const cases[] = {
        {nullptr, "de_DE.UTF-8", nullptr, "--help", 0, "Optionen:"},
        {nullptr, "C.UTF-8", "fr", "--help", 0, "Shows this help and ends."},
        {nullptr, "en_GB.UTF-8", "zh_CN:de", "--bogus", 2, "请尝试 --help"},
        {"es_ES.UTF-8", "de_DE.UTF-8", nullptr, "--import-holidays", 1, "no se importó"},
        {nullptr, "fr_FR.UTF-8", nullptr, "--web-password", 1, "aucun mot de passe"},
    };
    test::TempFolder home;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        QProcessEnvironment env = test::programEnvironment(home.path());
        for (const auto& [name, value] : {std::pair{"LC_ALL", c.lcAll},
                                          {"LANG", c.lang},
                                          {"LANGUAGE", c.language},
                                          {"LC_MESSAGES", nullptr}}) {
            env.remove(QLatin1String(name));
            if (value)
                env.insert(QLatin1String(name), QString::fromUtf8(value));
        }
        QStringList arguments{QString::fromUtf8(c.argument)};
        if (c.argument == std::string_view("--import-holidays"))
            arguments << QStringLiteral(TOLLIX_SOURCE_DIR
                                        "/tests/schedule/calendars/unbalanced.ics");
        QProcess tollix;
        tollix.setProcessEnvironment(env);
        tollix.start(QStringLiteral(TOLLIX_EXE), arguments);
        tollix.closeWriteChannel();  // no password typed
        ASSERT_TRUE(tollix.waitForFinished(20000));
        EXPECT_EQ(tollix.exitCode(), c.status);
        const QString output =
            QString::fromUtf8(tollix.readAllStandardOutput() + tollix.readAllStandardError());
        EXPECT_TRUE(output.contains(QString::fromUtf8(c.said))) << output.toStdString();
    }
}

}  // namespace
}  // namespace tollix
