#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

namespace tollix {

// data/mqtt.ini: the broker that joins the buildings' copies.
struct BrokerSettings {
    QString host;
    int port = 8883;
    bool tls = true;  // mqtts://; mqtt:// only on a trusted network
    QString user;
    QString password;
    QString topic = QStringLiteral("school/bells");
    QString building;
    QString ca;  // a CA file of its own; empty: the system's
    QString url;

    // Nothing when the file is missing or names no url: no broker, nothing
    // changes. `error` says why a file that is there cannot be used.
    static std::optional<BrokerSettings> read(const std::filesystem::path& file,
                                              std::string* error = nullptr);
};

// The link to the broker: one retained message under TOPIC/alarm holds the
// buildings' signal. The connection runs on a thread of its own; what it
// hears comes to the Qt thread as signals.
class BrokerLink : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    // Published retained; kept and sent once the broker can be reached.
    virtual void publish(const QByteArray& message) = 0;
    virtual bool connected() const = 0;
    virtual const BrokerSettings& settings() const = 0;

  signals:
    // The retained message at each (re)connection, and every new one.
    void received(const QByteArray& message);
    void connectedChanged(bool connected);
};

}  // namespace tollix
