#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tollix {

namespace {

constexpr char kShow[] = "show\n";

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

bool SingleInstance::claim() {
    QDir().mkpath(folder_);
    return lock_.tryLock(0);
}

bool SingleInstance::notifyRunningCopy(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(folder_ + QStringLiteral("/tollix.socket"));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kShow);
    return socket.waitForBytesWritten(timeoutMs);
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
                if (socket->readAll().contains("show"))
                    emit showRequested();
            });
        }
    });
    return server_->listen(name);
}

}  // namespace tollix
