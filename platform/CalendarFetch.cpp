#include "platform/CalendarFetch.h"

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>

namespace tollix {

namespace {

constexpr int kTimeoutMs = 60000;

}  // namespace

QtCalendarFetch::QtCalendarFetch(QObject* parent) : QObject(parent) {}

QtCalendarFetch::~QtCalendarFetch() = default;

void QtCalendarFetch::fetch(const FetchRequest& asked, std::function<void(FetchAnswer)> done) {
    QNetworkRequest request{QUrl(asked.url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(kTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("tollix/" TOLLIX_VERSION));
    if (!asked.etag.isEmpty())
        request.setRawHeader("If-None-Match", asked.etag);
    if (!asked.lastModified.isEmpty())
        request.setRawHeader("If-Modified-Since", asked.lastModified);
    QString caProblem;
    if (!asked.caFile.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        const auto authorities = QSslCertificate::fromPath(asked.caFile);
        if (authorities.isEmpty())
            caProblem = tr("the certificate authority %1 cannot be read").arg(asked.caFile);
        tls.addCaCertificates(authorities);
        request.setSslConfiguration(tls);
    }
    if (!caProblem.isEmpty()) {
        done({FetchAnswer::Kind::Failed, {}, {}, {}, caProblem});
        return;
    }
    // A manager of its own for each fetch: no connection, session or
    // credentials of an earlier one (another CA, another password) is reused.
    auto* network = new QNetworkAccessManager(this);
    network->setStrictTransportSecurityEnabled(true);
    connect(network, &QNetworkAccessManager::authenticationRequired, this,
            [](QNetworkReply* asking, QAuthenticator* login) {
                // Once: wrong credentials fail instead of asking forever.
                if (asking->property("asked").toBool())
                    return;
                asking->setProperty("asked", true);
                login->setUser(asking->property("user").toString());
                login->setPassword(asking->property("password").toString());
            });
    QNetworkReply* reply = network->get(request);
    reply->setProperty("user", asked.user);
    reply->setProperty("password", asked.password);
    auto body = std::make_shared<QByteArray>();
    auto tooLarge = std::make_shared<bool>(false);
    const auto tooMuch = [reply, tooLarge] {
        *tooLarge = true;
        reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, tooMuch] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > kMaxBody)
            tooMuch();
    });
    connect(reply, &QNetworkReply::readyRead, reply, [reply, body, tooMuch] {
        *body += reply->readAll();
        if (body->size() > kMaxBody)
            tooMuch();
    });
    connect(reply, &QNetworkReply::finished, this, [network, reply, body, tooLarge, done] {
        reply->deleteLater();
        network->deleteLater();
        FetchAnswer answer;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (*tooLarge) {
            answer.error = tr("the calendar is larger than 16 MB");
        } else if (reply->error() != QNetworkReply::NoError) {
            answer.error = reply->errorString();
        } else if (status == 304) {
            answer.kind = FetchAnswer::Kind::Unchanged;
        } else if (status != 200) {
            answer.error =
                tr("the server answered %1 %2")
                    .arg(status)
                    .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
        } else {
            *body += reply->readAll();
            answer.kind = FetchAnswer::Kind::Fresh;
            answer.body = std::move(*body);
            answer.etag = reply->rawHeader("ETag");
            answer.lastModified = reply->rawHeader("Last-Modified");
        }
        done(std::move(answer));
    });
}

}  // namespace tollix
