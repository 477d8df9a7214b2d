// A district's calendar on a real CalDAV server (Radicale, on a loopback port
// with a password): its days off and its template day reach the bells of the
// real program, its last copy holds while the server is away, and a copy that
// silences a whole term waits for the operator.
#include "tests/support/Program.h"

#include <QTcpServer>

#include <sys/stat.h>

namespace tollix {
namespace {

using namespace tollix::test;

struct Radicale {
    TempFolder folder;
    QProcess process;
    quint16 port = 0;

    Radicale() {
        QTcpServer probe;
        EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
        probe.close();
        writeBytes(folder.path() / "config", "");
        QProcess::execute(u"htpasswd"_s,
                          {u"-b"_s, u"-c"_s, u"-m"_s, at("users"), u"school"_s, u"secret"_s});
    }
    ~Radicale() { stop(); }
    QString at(const char* name) const {
        return QString::fromStdString((folder.path() / name).string());
    }
    QString url(const QString& path = {}) const {
        return u"http://127.0.0.1:%1/school/district/%2"_s.arg(port).arg(path);
    }
    void start() {
        endWithTest(process);
        process.start(
            u"/usr/bin/radicale"_s,
            {u"--config"_s, at("config"), u"--server-hosts"_s, u"127.0.0.1:%1"_s.arg(port),
             u"--storage-filesystem-folder"_s, at("collections"), u"--auth-type"_s, u"htpasswd"_s,
             u"--auth-htpasswd-filename"_s, at("users"), u"--auth-htpasswd-encryption"_s, u"md5"_s,
             u"--rights-type"_s, u"owner_only"_s});
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return curl({u"-X"_s, u"PROPFIND"_s, url()}) >= 0;
            },
            20000));
    }
    void stop() {
        process.terminate();
        process.waitForFinished(5000);
    }
    // curl's HTTP status, -1 when it got no answer.
    int curl(QStringList arguments) const {
        QProcess curl;
        arguments = QStringList{u"-s"_s,           u"-o"_s, u"/dev/null"_s,    u"-w"_s,
                                u"%{http_code}"_s, u"-u"_s, u"school:secret"_s} +
                    arguments;
        curl.start(u"curl"_s, arguments);
        curl.waitForFinished(10000);
        const int code = curl.readAllStandardOutput().toInt();
        return code == 0 ? -1 : code;
    }
    void put(const QString& uid, const std::string& dates, const std::string& summary) {
        const fs::path file = folder.path() / (uid.toStdString() + ".ics");
        writeBytes(file,
                   "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\n"
                   "UID:" +
                       uid.toStdString() + "\r\nDTSTAMP:20261201T000000Z\r\n" + dates +
                       "SUMMARY:" + summary + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        EXPECT_EQ(curl({u"-T"_s, QString::fromStdString(file.string()), u"-H"_s,
                        u"Content-Type: text/calendar"_s, url(uid + u".ics"_s)}),
                  201);
    }
};

class CalendarSubscription : public ::testing::TestWithParam<QStringList> {};

TEST_P(CalendarSubscription, FollowsTheDistrictKeepsItsLastCopyAndHoldsATermOfDaysOff) {
    Radicale radicale;
    radicale.start();
    ASSERT_EQ(radicale.curl({u"-X"_s, u"MKCALENDAR"_s, radicale.url()}), 201);
    radicale.put(u"snow"_s, "DTSTART;VALUE=DATE:20261207\r\n", "Snow day");
    radicale.put(u"exams"_s, "DTSTART;VALUE=DATE:20261208\r\n", "Exams [Templet 2]");

    test::Program tollix;
    tollix.startArguments = GetParam();
    tollix.tone("first.wav", 1);
    tollix.tone("exam.wav", 1);
    tollix.settings({.timeMode = 2}, {"08hr 30min/first.wav"});
    datafiles::writeDayList(tollix.paths.dayList(9), {0, {"10hr 15min/exam.wav"}});  // Templet 2
    writeBytes(tollix.paths.dataFolder() / "calendars.ini",
               radicale.url().toStdString() + " = District\nrefresh = 6\n");
    const fs::path auth = tollix.paths.dataFolder() / "calendars.auth";
    writeBytes(auth, "machine 127.0.0.1 login school password secret\n");
    ::chmod(auth.c_str(), 0600);
    tollix.setClock(QDateTime(QDate(2026, 12, 7), QTime(8, 29)));  // a Monday, before its bell
    tollix.env.insert(u"PULSE_SERVER"_s, u"unix:/nonexistent/native"_s);
    const auto status = [&] { return tollix.command({u"--status"_s}).out; };
    const auto statusSays = [&](const std::string& text) {
        return QTest::qWaitFor([&] { return status().find(text) != std::string::npos; }, 20000);
    };

    ASSERT_TRUE(tollix.start());
    ASSERT_TRUE(tollix.up());
    ASSERT_TRUE(statusSays("calendar District: 2 rules in force")) << status();
    // Today is the snow day; tomorrow rings Templet 2.
    EXPECT_TRUE(statusSays("state: HOLIDAY")) << status();
    EXPECT_NE(status().find("exam.wav"), std::string::npos) << status();
    EXPECT_TRUE(fs::exists(tollix.paths.dataFolder() / "calendars/District.ics"));
    EXPECT_EQ(readBytes(tollix.paths.holidaysIni()).find("Snow"), std::string::npos);
    tollix.setClock(QDateTime(QDate(2026, 12, 7), QTime(8, 29, 57)));
    QTest::qWait(6000);  // past 08:30: no bell
    EXPECT_EQ(tollix.records(), "adjusted calendar District");
    ASSERT_TRUE(tollix.stop());

    // The server away: the copy kept silences the day, the failure is said once.
    radicale.stop();
    ASSERT_TRUE(tollix.start());
    ASSERT_TRUE(tollix.up());
    EXPECT_TRUE(statusSays("problem: calendar District could not be fetched")) << status();
    EXPECT_NE(status().find("state: HOLIDAY"), std::string::npos) << status();
    const auto again = tollix.command({u"--refresh-calendars"_s});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.out.find("the last fetch failed"), std::string::npos) << again.out;
    EXPECT_EQ(tollix.records(), "adjusted calendar District, failed calendar District");

    // A whole term off waits; the operator's Yes takes it.
    radicale.start();
    radicale.put(u"term"_s, "DTSTART;VALUE=DATE:20270104\r\nDTEND;VALUE=DATE:20270327\r\n",
                 "Spring term");
    const auto held = tollix.command({u"--refresh-calendars"_s});
    EXPECT_NE(held.out.find("a new copy waits for acceptance"), std::string::npos) << held.out;
    EXPECT_NE(held.out.find("Days without bells added: 2027-01-04..2027-03-26"), std::string::npos)
        << held.out;
    EXPECT_NE(held.out.find("calendar District: 2 rules in force"), std::string::npos);
    EXPECT_EQ(tollix.command({u"--refresh-calendars"_s, u"--accept"_s, u"Nobody"_s}).status, 3);
    const auto taken = tollix.command({u"--refresh-calendars"_s, u"--accept"_s, u"District"_s});
    EXPECT_EQ(taken.status, 0) << taken.error;
    EXPECT_NE(taken.out.find("calendar District: 3 rules in force"), std::string::npos)
        << taken.out;
    EXPECT_EQ(tollix.records(),
              "adjusted calendar District, failed calendar District, "
              "adjusted calendar District");
    EXPECT_TRUE(tollix.stop());
}

INSTANTIATE_TEST_SUITE_P(Both, CalendarSubscription,
                         ::testing::Values(QStringList{}, QStringList{u"--service"_s}));

}  // namespace
}  // namespace tollix
