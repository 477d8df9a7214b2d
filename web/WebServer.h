#pragma once

#include "web/Sessions.h"
#include "web/WebApi.h"
#include "web/WebSettings.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>

class QSocketNotifier;
struct MHD_Connection;
struct MHD_Daemon;

namespace tollix::web {

// The web page and its API: off until "web.ini" names a port and holds a
// password's hash, over HTTPS when "web.crt" and "web.key" are beside it.
// Follows the files as they change (the "Web page" window, --web-password):
// a new password ends every session. Served by libmicrohttpd from this
// thread's event loop, so every answer is made beside the tick, never during it.
class WebServer final : public QObject {
    Q_OBJECT

  public:
    struct Files {
        std::filesystem::path settings;  // web.ini
        std::filesystem::path certificate;
        std::filesystem::path key;
    };

    WebServer(WebApi& api, Files files, Sessions::Now now, QObject* parent = nullptr);
    ~WebServer() override;

    // Reads the files again; listens on the port they name, or not at all.
    void reload();
    // The port listened on; 0: off.
    quint16 port() const { return port_; }
    bool secure() const { return secure_; }
    const std::filesystem::path& settingsFile() const { return files_.settings; }
    // Why the page is off although the port is set; empty otherwise.
    const QString& problem() const { return problem_; }

  private:
    friend struct Library;  // the library's callbacks

    struct Answer {
        int status = 200;
        QByteArray type;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
    };
    // One request, from its headers to its answer.
    struct Exchange {
        QByteArray body;
        QByteArray method;
        qsizetype limit = 0;          // the most of a body this route takes
        qsizetype received = 0;       // of the body, kept or not
        std::optional<Answer> ready;  // a log-in's, once its password is checked
    };
    // One step of a request: its headers, a piece of its body or its end.
    bool handle(MHD_Connection* connection, Exchange& exchange, const char* path,
                const char* method);

    // Empty: the connection waits for its password check.
    std::optional<Answer> api(MHD_Connection* connection, Exchange& exchange, const QString& path,
                              bool get);
    // The page's edits of the settings; none: not one of their paths.
    std::optional<Answer> edit(MHD_Connection* connection, Exchange& exchange, const QString& path,
                               const std::string& address);
    std::optional<Answer> login(MHD_Connection* connection, Exchange& exchange,
                                const std::string& address);
    // Always empty: the connection waits while the player tries the file.
    std::optional<Answer> addSound(MHD_Connection* connection, Exchange& exchange,
                                   const std::string& address);
    // The connection set aside as `number` is answered, unless it was let go.
    void resume(quint64 number, const Answer& answer);
    // The next password waiting for its check, when the limit lets it start.
    void startCheck();
    void checked(quint64 number, const std::string& address, bool right, const std::string& hash);
    // Refusals held back whose minute is over (all: every one) go on record.
    void recordRefusals(bool all);
    void serve();
    void stopListening();

    WebApi& api_;
    Files files_;
    Sessions sessions_;
    WebSettings settings_;
    QByteArray certificatePem_;
    QByteArray keyPem_;
    bool loaded_ = false;
    quint16 port_ = 0;
    bool secure_ = false;
    QString problem_;
    QString libraryError_;   // its last complaint
    bool checking_ = false;  // a password is being checked
    MHD_Daemon* daemon_ = nullptr;
    std::unique_ptr<QSocketNotifier> ready_;
    QTimer due_;  // the library's own time-outs, and work it left for later
    // Log-ins waiting for their password check, and uploads for their try, by number.
    std::map<quint64, std::pair<MHD_Connection*, Exchange*>> waiting_;
    quint64 lastWaiting_ = 0;
    // Passwords waiting for their check, by the try's number at its address
    // and the newest first: a burst of guesses from many addresses does not
    // stand before a real user who comes later.
    struct Check {
        quint64 number;
        std::string address;
        std::string password;
    };
    std::map<std::pair<int, qint64>, Check> queued_;
    QTimer checkDue_;
    QTimer recordDue_;
    QFileSystemWatcher watcher_;
    // Last: destroyed first, waiting for a password check under way.
    QThreadPool checker_;
};

}  // namespace tollix::web
