#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>

#include <algorithm>

namespace tollix {

namespace {

constexpr char kShow[] = "show";
constexpr char kStatus[] = "status";
constexpr char kAlarm[] = "alarm ";
constexpr char kAllClear[] = "all-clear";
constexpr char kRefresh[] = "refresh-calendars";
// Longer than any compositor's token, short enough that a stray writer
// cannot make the copy hold much.
constexpr qsizetype kMaxLine = 1024;

// A token is opaque to us, but it only ever travels as printable text.
bool plausibleToken(const QByteArray& token) {
    return token.size() < kMaxLine - 6 &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 127; });
}

QString runtimeFolder(const QString& given) {
    if (!given.isEmpty())
        return given;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent),
      folder_(runtimeFolder(folder)),
      lock_(folder_ + QStringLiteral("/tollix.lock")) {
    // A lock whose owner no longer runs is stale at once; a live owner's never is.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim(int waitMs) {
    QDir().mkpath(folder_);
    return lock_.tryLock(waitMs);
}

bool SingleInstance::notifyRunningCopy(const QString& activationToken, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(folder_ + QStringLiteral("/tollix.socket"));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray line = kShow;
    const QByteArray token = activationToken.toUtf8();
    if (!token.isEmpty() && plausibleToken(token))
        line += ' ' + token;
    socket.write(line + '\n');
    return socket.waitForBytesWritten(timeoutMs);
}

std::optional<QByteArray> SingleInstance::askStatus(int timeoutMs) {
    return sendOrder(kStatus, timeoutMs);
}

std::optional<QByteArray> SingleInstance::askRefreshCalendars(const QString& accept,
                                                              int timeoutMs) {
    QByteArray order = kRefresh;
    if (!accept.isEmpty())
        order += ' ' + accept.toUtf8().left(kMaxLine / 2);
    return sendOrder(order, timeoutMs);
}

std::optional<QByteArray> SingleInstance::sendOrder(const QByteArray& order, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(folder_ + QStringLiteral("/tollix.socket"));
    if (!socket.waitForConnected(timeoutMs))
        return std::nullopt;
    socket.write(order + '\n');
    QByteArray answer;
    // The answer ends when the running copy closes the connection.
    while (socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired())
        if (socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            answer += socket.readAll();
    answer += socket.readAll();
    return answer;
}

bool SingleInstance::listen() {
    const QString name = folder_ + QStringLiteral("/tollix.socket");
    // We hold the lock, so a socket file left behind is a dead copy's.
    QLocalServer::removeServer(name);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    QByteArray line = socket->readLine(kMaxLine);
                    if (!line.endsWith('\n')) {
                        socket->abort();  // a line this long is not one of ours
                        return;
                    }
                    line = line.trimmed();
                    if (line == kStatus) {
                        socket->write(status_ ? status_() : QByteArray());
                        socket->disconnectFromServer();
                        return;
                    }
                    if (line.startsWith(kAlarm) || line == kAllClear) {
                        socket->write(orders_ ? orders_(line) : QByteArray());
                        socket->disconnectFromServer();
                        return;
                    }
                    if (refresh_ &&
                        (line == kRefresh || line.startsWith(QByteArray(kRefresh) + ' '))) {
                        // The answer comes once the fetches are done; the asker may be gone.
                        QPointer<QLocalSocket> asker(socket);
                        refresh_(QString::fromUtf8(line.mid(sizeof kRefresh)).trimmed(),
                                 [asker](const QByteArray& text) {
                                     if (!asker)
                                         return;
                                     asker->write(text);
                                     asker->disconnectFromServer();
                                 });
                        return;
                    }
                    if (line != kShow && !line.startsWith(QByteArray(kShow) + ' '))
                        continue;
                    const QByteArray token = line.mid(5);
                    emit showRequested(plausibleToken(token) ? QString::fromUtf8(token)
                                                             : QString());
                }
                if (socket->bytesAvailable() >= kMaxLine)
                    socket->abort();  // no line end in sight: not one of us
            });
        }
    });
    return server_->listen(name);
}

void SingleInstance::stopListening() {
    server_.reset();
}

}  // namespace tollix
