#pragma once

#include "web/Sessions.h"
#include "web/WebApi.h"
#include "web/WebSettings.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QFileSystemWatcher>
#include <QHttpServerResponder>
#include <QString>
#include <QThreadPool>

#include <filesystem>

class QHttpServerRequest;

namespace tollix::web {

// The web page and its API: off until "web.ini" names a port and holds a
// password's hash, over HTTPS when "web.crt" and "web.key" are beside it.
// Follows the files as they change (the "Web page" window, --web-password):
// a new password ends every session.
class WebServer final : public QAbstractHttpServer {
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

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    struct Answer {
        int status = 200;
        QByteArray type;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
    };
    void answer(QHttpServerResponder&& responder, Answer answer) const;
    void api(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void login(const QHttpServerRequest& request, QHttpServerResponder&& responder,
               const std::string& address);
    Answer page(const QString& path) const;
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
    int checking_ = 0;  // passwords being checked
    QFileSystemWatcher watcher_;
    // Last: destroyed first, waiting for a password check under way.
    QThreadPool checker_;
};

}  // namespace tollix::web
