// Fetching a subscribed calendar over HTTPS from a server on a loopback port
// with a certificate of a test authority made here.
#include "platform/CalendarFetch.h"
#include "tests/support/Doubles.h"

namespace tollix {
namespace {

using namespace tollix::test;

class CalendarFetchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto run = [&](const QStringList& arguments) {
            QProcess openssl;
            openssl.setWorkingDirectory(QString::fromStdString(folder.path().string()));
            openssl.start(u"openssl"_s, arguments);
            ASSERT_TRUE(openssl.waitForFinished(30000));
            ASSERT_EQ(openssl.exitCode(), 0) << openssl.readAllStandardError().toStdString();
        };
        run({u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-days"_s, u"2"_s,
             u"-subj"_s, u"/CN=Test District CA"_s, u"-keyout"_s, u"ca.key"_s, u"-out"_s,
             u"ca.crt"_s});
        run({u"req"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-subj"_s, u"/CN=127.0.0.1"_s,
             u"-keyout"_s, u"server.key"_s, u"-out"_s, u"server.csr"_s});
        writeBytes(folder.path() / "san.ext", "subjectAltName=IP:127.0.0.1\n");
        run({u"x509"_s, u"-req"_s, u"-in"_s, u"server.csr"_s, u"-CA"_s, u"ca.crt"_s, u"-CAkey"_s,
             u"ca.key"_s, u"-CAcreateserial"_s, u"-days"_s, u"2"_s, u"-extfile"_s, u"san.ext"_s,
             u"-out"_s, u"server.crt"_s});
        const auto at = [&](const char* name) {
            return QString::fromStdString((folder.path() / name).string());
        };
        endWithTest(server);
        server.start(u"/usr/bin/python3"_s,
                     {QStringLiteral(TOLLIX_SOURCE_DIR "/tests/platform/calendar_https.py"),
                      at("port"), at("server.crt"), at("server.key")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(folder.path() / "port"); }, 10000));
        base = u"https://127.0.0.1:%1"_s.arg(
            QString::fromStdString(readBytes(folder.path() / "port")));
        ca = at("ca.crt");
    }
    void TearDown() override {
        server.kill();
        server.waitForFinished();
    }

    FetchAnswer fetch(FetchRequest request) {
        std::optional<FetchAnswer> answer;
        fetcher.fetch(request, [&](FetchAnswer given) { answer = std::move(given); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 30000));
        return answer.value_or(FetchAnswer{});
    }

    TempFolder folder;
    QProcess server;
    QString base, ca;
    QtCalendarFetch fetcher;
};

using Kind = FetchAnswer::Kind;

TEST_F(CalendarFetchTest, TrustsTheSchoolsAuthorityOnlyWhenGivenAndAsksWithTheETag) {
    const FetchAnswer untrusted = fetch({base + u"/cal.ics"_s, {}, {}, {}, {}, {}});
    EXPECT_EQ(untrusted.kind, Kind::Failed);
    EXPECT_FALSE(untrusted.error.isEmpty());

    const FetchAnswer fresh = fetch({base + u"/cal.ics"_s, {}, {}, {}, {}, ca});
    ASSERT_EQ(fresh.kind, Kind::Fresh) << fresh.error.toStdString();
    EXPECT_TRUE(fresh.body.contains("Inset day"));
    EXPECT_EQ(fresh.etag, "\"v1\"");
    EXPECT_EQ(fetch({base + u"/cal.ics"_s, {}, {}, fresh.etag, {}, ca}).kind, Kind::Unchanged);
}

TEST_F(CalendarFetchTest, FollowsFiveRedirectsRefusesMoreAndBodiesOver16MB) {
    EXPECT_EQ(fetch({base + u"/hop/5"_s, {}, {}, {}, {}, ca}).kind, Kind::Fresh);
    EXPECT_EQ(fetch({base + u"/hop/6"_s, {}, {}, {}, {}, ca}).kind, Kind::Failed);
    const FetchAnswer big = fetch({base + u"/big.ics"_s, {}, {}, {}, {}, ca});
    EXPECT_EQ(big.kind, Kind::Failed);
    EXPECT_TRUE(big.error.contains(u"16 MB"_s)) << big.error.toStdString();
    EXPECT_TRUE(big.body.isEmpty());
}

TEST_F(CalendarFetchTest, GivesTheCredentialsWhenAsked) {
    EXPECT_EQ(fetch({base + u"/private.ics"_s, u"school"_s, u"secret"_s, {}, {}, ca}).kind,
              Kind::Fresh);
    EXPECT_EQ(fetch({base + u"/private.ics"_s, u"school"_s, u"wrong"_s, {}, {}, ca}).kind,
              Kind::Failed);
}

}  // namespace
}  // namespace tollix
