#pragma once

#include "platform/BrokerLink.h"

#include <atomic>
#include <mutex>
#include <optional>

struct mosquitto;
struct mosquitto_message;

namespace tollix {

// The broker link on libmosquitto: its network loop on its own thread,
// reconnecting by itself.
class MosquittoLink final : public BrokerLink {
    Q_OBJECT

  public:
    explicit MosquittoLink(BrokerSettings settings, QObject* parent = nullptr);
    ~MosquittoLink() override;

    void publish(const QByteArray& message) override;
    bool connected() const override { return connected_; }
    const BrokerSettings& settings() const override { return settings_; }

  private:
    static void onConnect(mosquitto* client, void* self, int result);
    static void onDisconnect(mosquitto* client, void* self, int result);
    static void onMessage(mosquitto* client, void* self, const mosquitto_message* message);
    void sendPending();

    BrokerSettings settings_;
    QByteArray topic_;
    mosquitto* client_ = nullptr;
    std::atomic<bool> connected_ = false;
    std::mutex pendingLock_;
    std::optional<QByteArray> pending_;
};

}  // namespace tollix
