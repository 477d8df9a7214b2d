// The start entry at log-on, as a desktop reads it.
#include "platform/AutoStart.h"
#include "tests/support/Doubles.h"

#include <QStandardPaths>

namespace tollix {
namespace {

// What desktop-file-validate says of the entry; empty when it is valid.
QString validate(const fs::path& file) {
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(u"desktop-file-validate"_s, {QString::fromStdString(file.string())});
    if (!check.waitForFinished(10000))
        return u"desktop-file-validate did not run"_s;
    const QString said = QString::fromUtf8(check.readAll()).trimmed();
    return check.exitCode() == 0 && !said.contains(u"error"_s) ? QString() : said;
}

// Under XDG_CONFIG_HOME; written valid, rewritten for a moved program, removed.
TEST(AutoStart, TheEntryIsWrittenValidRewrittenAndRemoved) {
    const test::ScopedEnv config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(XdgAutoStart::defaultFolder(), "/srv/config/autostart");
    if (QStandardPaths::findExecutable(u"desktop-file-validate"_s).isEmpty())
        GTEST_SKIP() << "desktop-file-utils is not installed";
    test::TempFolder dir;
    XdgAutoStart start(dir.path() / "config" / "autostart");
    ASSERT_EQ(start.write("/opt/tollix/tollix"), "");
    EXPECT_EQ(readBytes(start.file()),
              "[Desktop Entry]\nType=Application\nName=Tollix\nComment=Rings the school bells of "
              "the day\nExec=/opt/tollix/tollix\nIcon=io.github.tollix.Tollix\nTerminal=false\n"
              "X-GNOME-Autostart-enabled=true\n");
    EXPECT_EQ(validate(start.file()), QString());

    // A program moved to a folder with blanks and signs in its name.
    ASSERT_EQ(start.write("/home/a b/100% \"$x\"/tollix"), "");
    const std::string text = readBytes(start.file());
    EXPECT_NE(text.find("Exec=\"/home/a b/100%% \\\\\"\\\\$x\\\\\"/tollix\"\n"), std::string::npos)
        << text;
    EXPECT_EQ(validate(start.file()), QString());

    ASSERT_EQ(start.remove(), "");
    EXPECT_FALSE(fs::exists(start.file()));
    EXPECT_EQ(start.remove(), "") << "nothing to remove is no failure";
}

}  // namespace
}  // namespace tollix
