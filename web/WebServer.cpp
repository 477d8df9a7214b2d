#include "web/WebServer.h"

#include <QFile>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

#include <sodium.h>

// The page lives in the static library; registered once.
static void initPage() {
    Q_INIT_RESOURCE(web);
}

namespace tollix::web {

namespace {

constexpr qsizetype kMaxBody = 4096;
constexpr int kMaxChecking = 4;  // a password check takes 64 MiB for a moment
const QByteArray kCookie = QByteArrayLiteral("tollix_session");

QByteArray header(const QHttpServerRequest& request, const QByteArray& name) {
    for (const auto& [key, value] : request.headers())
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

std::string cookieToken(const QHttpServerRequest& request) {
    for (QByteArray part : header(request, "Cookie").split(';')) {
        part = part.trimmed();
        if (part.startsWith(kCookie + '='))
            return part.mid(kCookie.size() + 1).toStdString();
    }
    return {};
}

std::string clientAddress(const QHttpServerRequest& request) {
    const QHostAddress address = request.remoteAddress();
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    return (v4 ? QHostAddress(ip) : address).toString().toStdString();
}

QByteArray json(const QJsonObject& body) {
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

QByteArray resource(const char* name) {
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray readPem(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.read(64 * 1024) : QByteArray();
}

}  // namespace

WebServer::WebServer(WebApi& api, Files files, Sessions::Now now, QObject* parent)
    : QAbstractHttpServer(parent), api_(api), files_(std::move(files)), sessions_(std::move(now)) {
    initPage();
    checker_.setMaxThreadCount(1);
    watcher_.addPath(QString::fromStdString(files_.settings.parent_path().string()));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &WebServer::reload);
    reload();
}

WebServer::~WebServer() {
    checker_.waitForDone();
}

void WebServer::stopListening() {
    for (QTcpServer* server : servers()) {
        server->close();
        delete server;
    }
    port_ = 0;
}

void WebServer::reload() {
    WebSettings settings = readWebSettings(files_.settings);
    std::error_code ec;
    const bool tls =
        std::filesystem::exists(files_.certificate, ec) || std::filesystem::exists(files_.key, ec);
    const QByteArray certificate = tls ? readPem(files_.certificate) : QByteArray();
    const QByteArray key = tls ? readPem(files_.key) : QByteArray();
    if (settings.passwordHash != settings_.passwordHash)
        sessions_.endAll();  // a new password: everyone logs in again
    const bool same = loaded_ && settings.port == settings_.port &&
                      settings.enabled() == settings_.enabled() && certificate == certificatePem_ &&
                      key == keyPem_;
    settings_ = std::move(settings);
    loaded_ = true;
    if (same)
        return;
    certificatePem_ = certificate;
    keyPem_ = key;
    stopListening();
    problem_.clear();
    secure_ = false;
    if (!settings_.enabled())
        return;
    if (tls) {
        const QSslCertificate cert(certificate, QSsl::Pem);
        QSslKey privateKey(key, QSsl::Rsa, QSsl::Pem);
        if (privateKey.isNull())
            privateKey = QSslKey(key, QSsl::Ec, QSsl::Pem);
        if (cert.isNull() || privateKey.isNull()) {
            // Never plain HTTP in place of the HTTPS the school set up.
            problem_ = QStringLiteral("web.crt or web.key cannot be read");
            return;
        }
        sslSetup(cert, privateKey);
        secure_ = true;
    }
    port_ = listen(QHostAddress::Any, static_cast<quint16>(settings_.port));
    if (port_ == 0)
        problem_ = QStringLiteral("port %1 cannot be used").arg(settings_.port);
}

void WebServer::answer(QHttpServerResponder&& responder, Answer answer) const {
    QHttpServerResponse response(answer.type, answer.body,
                                 static_cast<QHttpServerResponse::StatusCode>(answer.status));
    response.addHeader("Content-Security-Policy",
                       "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
                       "connect-src 'self'; form-action 'self'; base-uri 'none'; "
                       "frame-ancestors 'none'");
    response.addHeader("X-Frame-Options", "DENY");
    response.addHeader("X-Content-Type-Options", "nosniff");
    response.addHeader("Referrer-Policy", "no-referrer");
    response.addHeader("Cache-Control", "no-store");
    for (const auto& [name, value] : answer.headers) response.addHeader(name, value);
    response.write(std::move(responder));
}

bool WebServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Headers and body go out in separate writes: no waiting for the client's acknowledgement.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QHttpServerResponder responder = makeResponder(request, socket);
    const QString path = request.url().path();
    if (path.startsWith(QLatin1String("/api/")))
        api(request, std::move(responder));
    else if (request.method() != QHttpServerRequest::Method::Get)
        answer(std::move(responder), {405, "text/plain", "Method not allowed", {}});
    else
        answer(std::move(responder), page(path));
    return true;
}

void WebServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    answer(makeResponder(request, socket), {404, "text/plain", "Not found", {}});
}

WebServer::Answer WebServer::page(const QString& path) const {
    if (path == QLatin1String("/"))
        return {200, "text/html; charset=utf-8", resource(":/web/index.html"), {}};
    if (path == QLatin1String("/app.js"))
        return {200, "text/javascript; charset=utf-8", resource(":/web/app.js"), {}};
    if (path == QLatin1String("/app.css"))
        return {200, "text/css; charset=utf-8", resource(":/web/app.css"), {}};
    if (path == QLatin1String("/icon.svg"))
        return {200, "image/svg+xml", resource(":/web/icon.svg"), {}};
    return {404, "text/plain", "Not found", {}};
}

void WebServer::api(const QHttpServerRequest& request, QHttpServerResponder&& responder) {
    const QString path = request.url().path();
    const bool get = request.method() == QHttpServerRequest::Method::Get;
    const auto reply = [&](int status, const QJsonObject& body, Answer extra = {}) {
        extra.status = status;
        extra.type = "application/json";
        extra.body = json(body);
        answer(std::move(responder), std::move(extra));
    };
    const auto error = [&](int status, const char* text) {
        reply(status, {{QStringLiteral("error"), QLatin1String(text)}});
    };
    if (request.body().size() > kMaxBody)
        return error(413, "Too large");
    const std::string address = clientAddress(request);
    if (path == QLatin1String("/api/login"))
        return get ? error(405, "Method not allowed")
                   : login(request, std::move(responder), address);

    const std::string token = cookieToken(request);
    const Sessions::Session* session = sessions_.find(token);
    if (!session)
        return error(401, "Not logged in");
    if (!get && !Sessions::csrfMatches(*session, header(request, "X-CSRF-Token").toStdString()))
        return error(403, "Missing or wrong X-CSRF-Token");

    const auto send = [&](const WebApi::Reply& r) { reply(r.status, r.body); };
    if (get) {
        if (path == QLatin1String("/api/session"))
            return reply(200, {{QStringLiteral("csrf"), QString::fromStdString(session->csrf)}});
        if (path == QLatin1String("/api/status"))
            return send(api_.status());
        if (path == QLatin1String("/api/sounds"))
            return send(api_.sounds());
        if (path == QLatin1String("/api/rings")) {
            bool ok = false;
            const int limit =
                QUrlQuery(request.url()).queryItemValue(QStringLiteral("limit")).toInt(&ok);
            return send(api_.rings(ok ? limit : 20));
        }
    } else if (request.method() == QHttpServerRequest::Method::Post) {
        if (path == QLatin1String("/api/ring"))
            return send(api_.ring(request.body(), address));
        if (path == QLatin1String("/api/stop"))
            return send(api_.stopBell(address));
        if (path == QLatin1String("/api/schedule/start"))
            return send(api_.startSchedule(address));
        if (path == QLatin1String("/api/schedule/stop"))
            return send(api_.stopSchedule(address));
        if (path == QLatin1String("/api/logout")) {
            sessions_.end(token);
            api_.recordOrder("Log out", address);
            return reply(200, {{QStringLiteral("ok"), true}},
                         {0, {}, {}, {{"Set-Cookie", kCookie + "=; Path=/; Max-Age=0"}}});
        }
    }
    error(404, "Not found");
}

// The password is checked on a thread of its own: 64 MiB of memory-hard
// hashing must not hold up the tick.
void WebServer::login(const QHttpServerRequest& request, QHttpServerResponder&& responder,
                      const std::string& address) {
    const auto error = [&](int status, const char* text, QList<QPair<QByteArray, QByteArray>> h) {
        answer(std::move(responder),
               {status, "application/json", json({{QStringLiteral("error"), QLatin1String(text)}}),
                std::move(h)});
    };
    if (const std::int64_t waitMs = sessions_.waitFor(address))
        return error(429, "Too many failed log-ins: wait",
                     {{"Retry-After", QByteArray::number((waitMs + 999) / 1000)}});
    if (checking_ >= kMaxChecking)
        return error(503, "Busy: try again", {{"Retry-After", "1"}});
    const QJsonValue given =
        QJsonDocument::fromJson(request.body()).object().value(QStringLiteral("password"));
    if (!given.isString())
        return error(400, "Expected {\"password\": ...}", {});
    sessions_.tried(address);
    ++checking_;
    auto pending = std::make_shared<QHttpServerResponder>(std::move(responder));
    QPointer<QTcpSocket> socket(pending->socket());
    checker_.start([this, pending, socket, address, hash = settings_.passwordHash,
                    password = given.toString().toStdString()]() mutable {
        const bool right = passwordMatches(password, hash);
        sodium_memzero(password.data(), password.size());
        QMetaObject::invokeMethod(
            this,
            [this, pending, socket, address, right, hash] {
                --checking_;
                // The password may have changed meanwhile: the new one counts.
                const bool valid = right && hash == settings_.passwordHash;
                api_.recordOrder(valid ? "Log in" : "Log in refused", address);
                if (!socket)
                    return;
                if (!valid)
                    return answer(
                        std::move(*pending),
                        {401,
                         "application/json",
                         json({{QStringLiteral("error"), QStringLiteral("Wrong password")}}),
                         {}});
                const Sessions::Session& session = sessions_.succeeded(address);
                QByteArray cookie = kCookie + '=' + QByteArray::fromStdString(session.token) +
                                    "; Path=/; HttpOnly; SameSite=Strict";
                if (secure_)
                    cookie += "; Secure";
                answer(std::move(*pending),
                       {200,
                        "application/json",
                        json({{QStringLiteral("csrf"), QString::fromStdString(session.csrf)}}),
                        {{"Set-Cookie", cookie}}});
            },
            Qt::QueuedConnection);
    });
}

}  // namespace tollix::web
