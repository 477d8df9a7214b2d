#pragma once

#include <QByteArray>
#include <QTcpSocket>
#include <QTest>

namespace tollix::test {

struct HttpAnswer {
    int status = 0;
    QByteArray head;  // the status line and headers
    QByteArray body;
};

// One request on a connection of its own, the event loop running meanwhile
// (the server may live in this thread); status 0 when no answer came.
inline HttpAnswer http(quint16 port, const QByteArray& method, const QByteArray& path,
                       const QByteArray& headers = {}, const QByteArray& body = {}) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000))
        return {};
    socket.write(method + ' ' + path + " HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n" +
                 headers + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" +
                 body);
    QByteArray got;
    (void)QTest::qWaitFor(
        [&] {
            got += socket.readAll();
            const qsizetype end = got.indexOf("\r\n\r\n");
            if (end < 0)
                return socket.state() == QAbstractSocket::UnconnectedState;
            const qsizetype at = got.toLower().indexOf("content-length: ");
            return at >= 0 && got.size() >= end + 4 + got.mid(at + 16).split('\r')[0].toInt();
        },
        15000);
    const qsizetype end = got.indexOf("\r\n\r\n");
    if (end < 0)
        return {};
    return {got.mid(9, 3).toInt(), got.left(end), got.mid(end + 4)};
}

}  // namespace tollix::test
