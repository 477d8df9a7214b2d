#include "web/WebServer.h"

#include "web/PageTexts.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QUrlQuery>

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netinet/in.h>
#include <sodium.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The page lives in the static library; registered once.
static void initPage() {
    Q_INIT_RESOURCE(web);
}

namespace tollix::web {

namespace {

constexpr qsizetype kMaxBody = 4096;
// A whole schedule, and a sound file.
constexpr qsizetype kMaxScheduleBody = 1024 * 1024;
constexpr qsizetype kMaxSoundBody = 20 * 1024 * 1024;
constexpr qsizetype kMaxDroppedBody = 64 * 1024;
// Room for two dozen busy addresses and new clients beside them; a
// connection costs little until it sends something.
constexpr unsigned kMaxConnections = 512;
constexpr unsigned kMaxConnectionsPerAddress = 16;
constexpr unsigned kIdleSeconds = 30;
// Until its first request is in: a connection held open idle, hundreds at
// once, must not keep real clients out for long.
constexpr unsigned kFirstRequestSeconds = 5;
constexpr MHD_UNSIGNED_LONG_LONG kLongestSleepMs = 1000;
// TLS 1.2 and 1.3 only, forward-secret key exchange and AEAD ciphers only.
constexpr char kTlsPriorities[] =
    "SECURE128:-VERS-ALL:+VERS-TLS1.3:+VERS-TLS1.2:-CIPHER-ALL:+AES-256-GCM:+AES-128-GCM:"
    "+CHACHA20-POLY1305:-MAC-ALL:+AEAD:-KX-ALL:+ECDHE-ECDSA:+ECDHE-RSA:%SERVER_PRECEDENCE";
constexpr char kRefused[] = "Log in refused";
const QByteArray kCookie = QByteArrayLiteral("tollix_session");

QByteArray header(MHD_Connection* connection, const char* name) {
    return QByteArray(MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name));
}

std::string cookieToken(MHD_Connection* connection) {
    for (QByteArray part : header(connection, "Cookie").split(';')) {
        part = part.trimmed();
        if (part.startsWith(kCookie + '='))
            return part.mid(kCookie.size() + 1).toStdString();
    }
    return {};
}

// IPv4 clients of the dual-stack socket as their IPv4 address.
std::string clientAddress(MHD_Connection* connection) {
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    char text[INET6_ADDRSTRLEN] = "";
    if (!info || !info->client_addr)
        return {};
    if (info->client_addr->sa_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(info->client_addr);
        inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
    } else if (info->client_addr->sa_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(info->client_addr);
        if (IN6_IS_ADDR_V4MAPPED(&v6->sin6_addr))
            inet_ntop(AF_INET, &v6->sin6_addr.s6_addr[12], text, sizeof text);
        else
            inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
    }
    return text;
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

// The library's side: it calls these from MHD_run, on this thread.
struct Library {
    static MHD_Result request(void* server, MHD_Connection* connection, const char* path,
                              const char* method, const char*, const char* data, size_t* size,
                              void** context) {
        auto* exchange = static_cast<WebServer::Exchange*>(*context);
        if (!exchange) {
            exchange = new WebServer::Exchange;
            *context = exchange;
            exchange->method = method;
            exchange->limit = bodyLimit(path, method);
            // Refused before a byte of the body is read: a huge one costs nothing.
            const char* length =
                MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Content-Length");
            if (length && std::strtoull(length, nullptr, 10) >
                              static_cast<unsigned long long>(exchange->limit))
                return send(connection, {413, "application/json", R"({"error":"Too large"})", {}});
            return MHD_YES;
        }
        if (*size > 0) {
            // A body sent in chunks, without its length: past the limit it is
            // read and dropped to be answered at its end; a flood is cut off.
            exchange->received += static_cast<qsizetype>(*size);
            if (exchange->received > exchange->limit + kMaxDroppedBody)
                return MHD_NO;
            if (exchange->received <= exchange->limit)
                exchange->body.append(data, static_cast<qsizetype>(*size));
            *size = 0;
            return MHD_YES;
        }
        if (exchange->received > exchange->limit)
            return send(connection, {413, "application/json", R"({"error":"Too large"})", {}});
        return static_cast<WebServer*>(server)->handle(connection, *exchange, path, method)
                   ? MHD_YES
                   : MHD_NO;
    }

    // Only the routes that take a schedule or a sound take more than a log-in.
    static qsizetype bodyLimit(const char* path, const char* method) {
        if (std::strcmp(path, "/api/schedule") == 0 && std::strcmp(method, "PUT") == 0)
            return kMaxScheduleBody;
        if (std::strcmp(path, "/api/holidays/import") == 0 && std::strcmp(method, "POST") == 0)
            return kMaxScheduleBody;
        if (std::strcmp(path, "/api/sounds") == 0 && std::strcmp(method, "POST") == 0)
            return kMaxSoundBody;
        return kMaxBody;
    }

    static void completed(void*, MHD_Connection*, void** context, MHD_RequestTerminationCode) {
        delete static_cast<WebServer::Exchange*>(*context);
        *context = nullptr;
    }

    static MHD_Result send(MHD_Connection* connection, const WebServer::Answer& answer) {
        MHD_Response* response = MHD_create_response_from_buffer(
            static_cast<size_t>(answer.body.size()), const_cast<char*>(answer.body.constData()),
            MHD_RESPMEM_MUST_COPY);
        if (!response)
            return MHD_NO;
        const auto add = [response](const char* name, const char* value) {
            MHD_add_response_header(response, name, value);
        };
        add("Content-Type", answer.type.constData());
        add("Content-Security-Policy",
            "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
            "connect-src 'self'; form-action 'self'; base-uri 'none'; frame-ancestors 'none'");
        add("X-Frame-Options", "DENY");
        add("X-Content-Type-Options", "nosniff");
        add("Referrer-Policy", "no-referrer");
        add("Cache-Control", "no-store");
        const MHD_ConnectionInfo* tls =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_GNUTLS_SESSION);
        if (tls && tls->tls_session)
            add("Strict-Transport-Security", "max-age=31536000");
        for (const auto& [name, value] : answer.headers) add(name.constData(), value.constData());
        const MHD_Result queued =
            MHD_queue_response(connection, static_cast<unsigned>(answer.status), response);
        MHD_destroy_response(response);
        return queued;
    }

    // Kept for the window when the page cannot start.
    static void log(void* server, const char* format, va_list list) {
        char text[256];
        std::vsnprintf(text, sizeof text, format, list);
        static_cast<WebServer*>(server)->libraryError_ = QString::fromLocal8Bit(text).trimmed();
    }
};

WebServer::WebServer(WebApi& api, Files files, Sessions::Now now, QObject* parent)
    : QObject(parent), api_(api), files_(std::move(files)), sessions_(std::move(now)) {
    initPage();
    checker_.setMaxThreadCount(1);
    due_.setSingleShot(true);
    connect(&due_, &QTimer::timeout, this, &WebServer::serve);
    checkDue_.setSingleShot(true);
    connect(&checkDue_, &QTimer::timeout, this, &WebServer::startCheck);
    connect(&recordDue_, &QTimer::timeout, this, [this] { recordRefusals(false); });
    watcher_.addPath(QString::fromStdString(files_.settings.parent_path().string()));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &WebServer::reload);
    reload();
}

WebServer::~WebServer() {
    checker_.waitForDone();
    stopListening();
}

void WebServer::stopListening() {
    due_.stop();
    ready_.reset();
    if (daemon_) {
        // The library must not be stopped with a connection set aside.
        for (auto& [number, waiting] : waiting_) {
            waiting.second->ready = Answer{
                503, "application/json", R"({"error":"Busy: try again"})", {{"Retry-After", "1"}}};
            MHD_resume_connection(waiting.first);
        }
        MHD_stop_daemon(daemon_);
        daemon_ = nullptr;
    }
    waiting_.clear();
    for (auto& [key, check] : queued_) sodium_memzero(check.password.data(), check.password.size());
    queued_.clear();
    checkDue_.stop();
    recordDue_.stop();
    recordRefusals(true);
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
    if (tls && (certificate.isEmpty() || key.isEmpty())) {
        // Never plain HTTP in place of the HTTPS the school set up.
        problem_ = QStringLiteral("web.crt or web.key cannot be read");
        return;
    }
    // Both IPv6 and IPv4 where the machine has IPv6, else IPv4 alone.
    libraryError_.clear();
    for (const unsigned family : {unsigned{MHD_USE_DUAL_STACK}, 0U}) {
        const unsigned flags = MHD_USE_EPOLL | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_ERROR_LOG |
                               family | (tls ? unsigned{MHD_USE_TLS} : 0U);
        daemon_ = MHD_start_daemon(
            flags, static_cast<std::uint16_t>(settings_.port), nullptr, nullptr, &Library::request,
            this, MHD_OPTION_EXTERNAL_LOGGER, &Library::log, this, MHD_OPTION_NOTIFY_COMPLETED,
            &Library::completed, this, MHD_OPTION_CONNECTION_LIMIT, kMaxConnections,
            MHD_OPTION_PER_IP_CONNECTION_LIMIT, kMaxConnectionsPerAddress,
            MHD_OPTION_CONNECTION_TIMEOUT, kFirstRequestSeconds,
            tls ? MHD_OPTION_HTTPS_MEM_CERT : MHD_OPTION_END, certificatePem_.constData(),
            MHD_OPTION_HTTPS_MEM_KEY, keyPem_.constData(), MHD_OPTION_HTTPS_PRIORITIES,
            kTlsPriorities, MHD_OPTION_END);
        if (daemon_)
            break;
    }
    if (!daemon_) {
        problem_ = tls ? QStringLiteral("HTTPS cannot start on port %1 (%2)")
                             .arg(settings_.port)
                             .arg(libraryError_)
                       : QStringLiteral("port %1 cannot be used").arg(settings_.port);
        return;
    }
    secure_ = tls;
    port_ = static_cast<quint16>(settings_.port);
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_EPOLL_FD);
    ready_ = std::make_unique<QSocketNotifier>(info->epoll_fd, QSocketNotifier::Read);
    connect(ready_.get(), &QSocketNotifier::activated, this, &WebServer::serve);
    recordDue_.start(static_cast<int>(Sessions::kRecordSpacingMs));
}

// Whatever the library has to do now, then a wake-up for its next time-out.
void WebServer::serve() {
    if (!daemon_)
        return;
    // A run that frees a place below the connection limit takes the listening
    // socket back only at the start of the next run: without that one, nothing
    // wakes the library again and new connections wait for ever.
    MHD_run(daemon_);
    MHD_run(daemon_);
    // And once a second at least: after hundreds of connections end at once,
    // the library can still be left with its listening socket set aside and
    // nothing that wakes it.
    MHD_UNSIGNED_LONG_LONG ms = 0;
    if (MHD_get_timeout(daemon_, &ms) != MHD_YES || ms > kLongestSleepMs)
        ms = kLongestSleepMs;
    due_.start(static_cast<int>(ms));
}

bool WebServer::handle(MHD_Connection* connection, Exchange& exchange, const char* path,
                       const char* method) {
    // A whole request is in: the connection may now idle as long as any.
    MHD_set_connection_option(connection, MHD_CONNECTION_OPTION_TIMEOUT, kIdleSeconds);
    if (exchange.ready)
        return Library::send(connection, *exchange.ready) == MHD_YES;
    const QString at = QString::fromUtf8(path);
    const bool get = std::strcmp(method, "GET") == 0;
    std::optional<Answer> answer;
    if (at.startsWith(QLatin1String("/api/")))
        answer = api(connection, exchange, at, get);
    else if (!get)
        answer = Answer{405, "text/plain", "Method not allowed", {}};
    else if (at == QLatin1String("/"))
        answer = Answer{
            200, "text/html; charset=utf-8", translatedPage(resource(":/web/index.html")), {}};
    else if (at == QLatin1String("/app.js"))
        answer = Answer{200, "text/javascript; charset=utf-8", resource(":/web/app.js"), {}};
    else if (at == QLatin1String("/alarm.js"))
        answer = Answer{200, "text/javascript; charset=utf-8", resource(":/web/alarm.js"), {}};
    else if (at == QLatin1String("/say.js"))
        answer = Answer{200, "text/javascript; charset=utf-8", resource(":/web/say.js"), {}};
    else if (at == QLatin1String("/app.css"))
        answer = Answer{200, "text/css; charset=utf-8", resource(":/web/app.css"), {}};
    else if (at == QLatin1String("/editor.js"))
        answer = Answer{200, "text/javascript; charset=utf-8", resource(":/web/editor.js"), {}};
    else if (at == QLatin1String("/editor.css"))
        answer = Answer{200, "text/css; charset=utf-8", resource(":/web/editor.css"), {}};
    else if (at == QLatin1String("/icon.svg"))
        answer = Answer{200, "image/svg+xml", resource(":/web/icon.svg"), {}};
    else
        answer = Answer{404, "text/plain", "Not found", {}};
    return !answer || Library::send(connection, *answer) == MHD_YES;
}

std::optional<WebServer::Answer> WebServer::api(MHD_Connection* connection, Exchange& exchange,
                                                const QString& path, bool get) {
    const auto reply = [](int status, const QJsonObject& body, Answer extra = {}) {
        extra.status = status;
        extra.type = "application/json";
        extra.body = json(body);
        return extra;
    };
    const auto error = [&](int status, const char* text) {
        return reply(status, {{QStringLiteral("error"), QLatin1String(text)}});
    };
    const std::string address = clientAddress(connection);
    if (path == QLatin1String("/api/login"))
        return get ? error(405, "Method not allowed") : login(connection, exchange, address);

    const std::string token = cookieToken(connection);
    const Sessions::Session* session = sessions_.find(token);
    if (!session)
        return error(401, "Not logged in");
    if (!get && !Sessions::csrfMatches(*session, header(connection, "X-CSRF-Token").toStdString()))
        return error(403, "Missing or wrong X-CSRF-Token");

    const auto send = [&](const WebApi::Reply& r) { return reply(r.status, r.body); };
    if (path == QLatin1String("/api/sounds") && exchange.method == "POST")
        return addSound(connection, exchange, address);
    if (auto edited = edit(connection, exchange, path, address))
        return edited;
    if (get) {
        if (path == QLatin1String("/api/session"))
            return reply(200, {{QStringLiteral("csrf"), QString::fromStdString(session->csrf)}});
        if (path == QLatin1String("/api/status"))
            return send(api_.status());
        if (path == QLatin1String("/api/today"))
            return send(api_.today());
        if (path == QLatin1String("/api/sounds"))
            return send(api_.sounds());
        if (path == QLatin1String("/api/rings")) {
            bool ok = false;
            const int limit =
                QByteArray(MHD_lookup_connection_value(connection, MHD_GET_ARGUMENT_KIND, "limit"))
                    .toInt(&ok);
            return send(api_.rings(ok ? limit : 20));
        }
    } else if (path == QLatin1String("/api/ring")) {
        return send(api_.ring(exchange.body, address));
    } else if (path == QLatin1String("/api/alarm")) {
        return send(api_.giveAlarm(exchange.body, address));
    } else if (path == QLatin1String("/api/all-clear")) {
        return send(api_.allClear(address));
    } else if (path == QLatin1String("/api/say")) {
        return send(api_.say(exchange.body, address));
    } else if (path == QLatin1String("/api/stop")) {
        return send(api_.stopBell(address));
    } else if (path == QLatin1String("/api/schedule/start")) {
        return send(api_.startSchedule(address));
    } else if (path == QLatin1String("/api/schedule/stop")) {
        return send(api_.stopSchedule(address));
    } else if (path == QLatin1String("/api/logout")) {
        sessions_.end(token);
        api_.recordOrder("Log out", address);
        return reply(200, {{QStringLiteral("ok"), true}},
                     {0, {}, {}, {{"Set-Cookie", kCookie + "=; Path=/; Max-Age=0"}}});
    }
    return error(404, "Not found");
}

std::optional<WebServer::Answer> WebServer::edit(MHD_Connection* connection, Exchange& exchange,
                                                 const QString& path, const std::string& address) {
    const QByteArray& method = exchange.method;
    WebApi::Reply reply;
    if (path == QLatin1String("/api/schedule") && method == "GET")
        reply = api_.schedule();
    else if (path == QLatin1String("/api/schedule") && method == "PUT")
        reply = api_.putSchedule(exchange.body, header(connection, "If-Match"), address);
    else if (path == QLatin1String("/api/settings") && method == "GET")
        reply = api_.settings();
    else if (path == QLatin1String("/api/settings") && method == "PUT")
        reply = api_.putSettings(exchange.body, header(connection, "If-Match"), address);
    else if (path == QLatin1String("/api/holidays") && method == "GET")
        reply = api_.holidays();
    else if (path == QLatin1String("/api/holidays") && method == "POST")
        reply = api_.addHoliday(exchange.body, address);
    else if (path == QLatin1String("/api/holidays/remove") && method == "POST")
        reply = api_.removeHoliday(exchange.body, address);
    else if (path == QLatin1String("/api/holidays/import") && method == "POST")
        reply = api_.importHolidays(exchange.body, header(connection, "X-Confirm") == "yes",
                                    header(connection, "X-Term-Dates") == "yes", address);
    else if (path == QLatin1String("/api/sounds/try") && method == "POST")
        reply = api_.trySound(exchange.body);
    else if (path == QLatin1String("/api/sounds/try") && method == "DELETE")
        reply = api_.stopTry();
    else if (path.startsWith(QLatin1String("/api/sounds/")) && method == "DELETE")
        reply = api_.deleteSound(path.mid(12), address);
    else
        return std::nullopt;
    return Answer{reply.status, "application/json", json(reply.body), {}};
}

// The password is checked on a thread of its own, the connection set aside
// meanwhile: 64 MiB of memory-hard hashing must not hold up the tick.
// Checks wait their turn rather than being refused: under guessing from
// many addresses, the real user's try still comes soon.
std::optional<WebServer::Answer> WebServer::login(MHD_Connection* connection, Exchange& exchange,
                                                  const std::string& address) {
    const auto error = [](int status, const char* text, QList<QPair<QByteArray, QByteArray>> h) {
        return Answer{status, "application/json",
                      json({{QStringLiteral("error"), QLatin1String(text)}}), std::move(h)};
    };
    if (const std::int64_t waitMs = sessions_.waitFor(address))
        return error(429, "Too many failed log-ins: wait",
                     {{"Retry-After", QByteArray::number((waitMs + 999) / 1000)}});
    const QJsonValue given =
        QJsonDocument::fromJson(exchange.body).object().value(QStringLiteral("password"));
    sodium_memzero(exchange.body.data(), static_cast<size_t>(exchange.body.size()));
    if (!given.isString())
        return error(400, "Expected {\"password\": ...}", {});
    const int attempt = sessions_.tried(address);
    const quint64 number = ++lastWaiting_;
    waiting_[number] = {connection, &exchange};
    MHD_suspend_connection(connection);
    queued_.emplace(std::pair{attempt, -static_cast<qint64>(number)},
                    Check{number, address, given.toString().toStdString()});
    startCheck();
    return std::nullopt;
}

void WebServer::startCheck() {
    if (checking_ || queued_.empty())
        return;
    if (const std::int64_t waitMs = sessions_.checkWait()) {
        checkDue_.start(static_cast<int>(waitMs));
        return;
    }
    Check check = std::move(queued_.begin()->second);
    queued_.erase(queued_.begin());
    checking_ = true;
    sessions_.checkStarts();
    checker_.start([this, check = std::move(check), hash = settings_.passwordHash]() mutable {
        const bool right = passwordMatches(check.password, hash);
        sodium_memzero(check.password.data(), check.password.size());
        QMetaObject::invokeMethod(
            this,
            [this, number = check.number, address = check.address, right, hash] {
                checked(number, address, right, hash);
            },
            Qt::QueuedConnection);
    });
}

void WebServer::checked(quint64 number, const std::string& address, bool right,
                        const std::string& hash) {
    checking_ = false;
    // The password may have changed meanwhile: the new one counts.
    const bool valid = right && hash == settings_.passwordHash;
    if (valid) {
        if (const int held = sessions_.heldRefusals(address))
            api_.recordOrder(kRefused + (" x" + std::to_string(held)), address);
        api_.recordOrder("Log in", address);
    } else if (const int count = sessions_.refused(address)) {
        api_.recordOrder(count > 1 ? kRefused + (" x" + std::to_string(count)) : kRefused, address);
    }
    Answer answer;
    answer.type = "application/json";
    if (valid) {
        if (waiting_.count(number)) {  // else the page was turned off meanwhile
            const Sessions::Session& session = sessions_.succeeded(address);
            QByteArray cookie = kCookie + '=' + QByteArray::fromStdString(session.token) +
                                "; Path=/; HttpOnly; SameSite=Strict";
            if (secure_)
                cookie += "; Secure";
            answer.body = json({{QStringLiteral("csrf"), QString::fromStdString(session.csrf)}});
            answer.headers = {{"Set-Cookie", cookie}};
        }
    } else {
        answer.status = 401;
        answer.body = json({{QStringLiteral("error"), QStringLiteral("Wrong password")}});
    }
    resume(number, answer);
    startCheck();
}

// Set aside like a log-in: the player may take seconds to load the file,
// and the tick must not wait for it.
std::optional<WebServer::Answer> WebServer::addSound(MHD_Connection* connection, Exchange& exchange,
                                                     const std::string& address) {
    const QByteArray name = header(connection, "X-File-Name");
    const bool replace = header(connection, "X-Replace") == "yes";
    const quint64 number = ++lastWaiting_;
    waiting_[number] = {connection, &exchange};
    MHD_suspend_connection(connection);
    api_.addSound(
        exchange.body, name, replace, address,
        [server = QPointer<WebServer>(this), number](const WebApi::Reply& reply) {
            if (server)
                server->resume(number, {reply.status, "application/json", json(reply.body), {}});
        });
    return std::nullopt;
}

void WebServer::resume(quint64 number, const Answer& answer) {
    const auto waiting = waiting_.find(number);
    if (waiting == waiting_.end())
        return;
    waiting->second.second->ready = answer;
    MHD_resume_connection(waiting->second.first);
    waiting_.erase(waiting);
    serve();
}

void WebServer::recordRefusals(bool all) {
    for (const auto& [address, count] : sessions_.dueRefusals(all))
        api_.recordOrder(kRefused + (" x" + std::to_string(count)), address);
}

}  // namespace tollix::web
