// The real program speaks the desktop's language on the command line, Qt's
// own words included, and the written texts under the C locale.
#include "tests/support/Program.h"

namespace tollix {
namespace {

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
        {nullptr, "de_DE.UTF-8", nullptr, "--yes", 2, "nur mit --import-holidays"},
    };
    test::Program tollix;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        for (const auto& [name, value] : {std::pair{"LC_ALL", c.lcAll},
                                          {"LANG", c.lang},
                                          {"LANGUAGE", c.language},
                                          {"LC_MESSAGES", nullptr}}) {
            tollix.env.remove(QLatin1String(name));
            if (value)
                tollix.env.insert(QLatin1String(name), QString::fromUtf8(value));
        }
        QStringList arguments{QString::fromUtf8(c.argument)};
        if (c.argument == std::string_view("--import-holidays"))
            arguments << QStringLiteral(TOLLIX_SOURCE_DIR
                                        "/tests/schedule/calendars/unbalanced.ics");
        const auto said = tollix.command(arguments);  // no password typed
        EXPECT_EQ(said.status, c.status);
        EXPECT_NE((said.out + said.error).find(c.said), std::string::npos) << said.out + said.error;
    }
}

}  // namespace
}  // namespace tollix
