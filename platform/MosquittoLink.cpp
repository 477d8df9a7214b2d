#include "platform/MosquittoLink.h"

#include <QMetaObject>

#include <mosquitto.h>

#include <unistd.h>

#include <utility>

namespace tollix {

namespace {

constexpr int kKeepAliveSeconds = 10;
constexpr int kQos = 1;

// Once per process, before the first client.
void initLibrary() {
    static const int done = mosquitto_lib_init();
    (void)done;
}

}  // namespace

MosquittoLink::MosquittoLink(BrokerSettings settings, QObject* parent)
    : BrokerLink(parent),
      settings_(std::move(settings)),
      topic_(settings_.topic.toUtf8() + "/alarm") {
    initLibrary();
    const QByteArray id =
        QStringLiteral("tollix-%1-%2").arg(settings_.building).arg(::getpid()).toUtf8().left(64);
    client_ = mosquitto_new(id.constData(), true, this);
    if (!client_)
        return;
    mosquitto_connect_callback_set(client_, &MosquittoLink::onConnect);
    mosquitto_disconnect_callback_set(client_, &MosquittoLink::onDisconnect);
    mosquitto_message_callback_set(client_, &MosquittoLink::onMessage);
    mosquitto_reconnect_delay_set(client_, 1, 5, false);
    if (!settings_.user.isEmpty())
        mosquitto_username_pw_set(client_, settings_.user.toUtf8().constData(),
                                  settings_.password.toUtf8().constData());
    if (settings_.tls) {
        const QByteArray ca = settings_.ca.toUtf8();
        mosquitto_tls_set(client_, ca.isEmpty() ? nullptr : ca.constData(),
                          ca.isEmpty() ? "/etc/ssl/certs" : nullptr, nullptr, nullptr, nullptr);
    }
    // An unreachable broker is tried again by the loop, every few seconds.
    mosquitto_connect_async(client_, settings_.host.toUtf8().constData(), settings_.port,
                            kKeepAliveSeconds);
    mosquitto_loop_start(client_);
}

MosquittoLink::~MosquittoLink() {
    if (!client_)
        return;
    mosquitto_disconnect(client_);
    mosquitto_loop_stop(client_, true);
    mosquitto_destroy(client_);
}

void MosquittoLink::publish(const QByteArray& message) {
    {
        const std::lock_guard lock(pendingLock_);
        pending_ = message;
    }
    if (connected_)
        sendPending();
}

void MosquittoLink::sendPending() {
    std::optional<QByteArray> message;
    {
        const std::lock_guard lock(pendingLock_);
        message = std::exchange(pending_, std::nullopt);
    }
    if (message &&
        mosquitto_publish(client_, nullptr, topic_.constData(), static_cast<int>(message->size()),
                          message->constData(), kQos, true) != MOSQ_ERR_SUCCESS) {
        const std::lock_guard lock(pendingLock_);
        if (!pending_)
            pending_ = message;  // sent at the next connection
    }
}

// On the loop's thread: our order given while away goes first, so the
// retained message we then receive is the newest.
void MosquittoLink::onConnect(mosquitto* client, void* self, int result) {
    auto* link = static_cast<MosquittoLink*>(self);
    if (result != 0)
        return;
    link->connected_ = true;
    link->sendPending();
    mosquitto_subscribe(client, nullptr, link->topic_.constData(), kQos);
    QMetaObject::invokeMethod(
        link, [link] { emit link->connectedChanged(true); }, Qt::QueuedConnection);
}

void MosquittoLink::onDisconnect(mosquitto*, void* self, int) {
    auto* link = static_cast<MosquittoLink*>(self);
    link->connected_ = false;
    QMetaObject::invokeMethod(
        link, [link] { emit link->connectedChanged(false); }, Qt::QueuedConnection);
}

void MosquittoLink::onMessage(mosquitto*, void* self, const mosquitto_message* message) {
    auto* link = static_cast<MosquittoLink*>(self);
    QByteArray payload(static_cast<const char*>(message->payload), message->payloadlen);
    QMetaObject::invokeMethod(
        link, [link, payload = std::move(payload)] { emit link->received(payload); },
        Qt::QueuedConnection);
}

}  // namespace tollix
