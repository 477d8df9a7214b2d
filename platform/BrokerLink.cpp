#include "platform/BrokerLink.h"

#include "schedule/SafeFile.h"

#include <QUrl>

#include <sstream>

namespace tollix {

std::optional<BrokerSettings> BrokerSettings::read(const std::filesystem::path& file,
                                                   std::string* error) {
    const safefile::Reading reading = safefile::read(file, safefile::kDataLimit);
    if (!reading.read()) {
        if (error)
            *error = reading.error;
        return std::nullopt;
    }
    BrokerSettings settings;
    std::istringstream in(reading.bytes);
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        if (equals == std::string::npos || line.starts_with('#') || line.starts_with(';'))
            continue;
        const QString key = QString::fromStdString(line.substr(0, equals)).trimmed();
        const QString value = QString::fromStdString(line.substr(equals + 1)).trimmed();
        if (key == QLatin1String("url"))
            settings.url = value;
        else if (key == QLatin1String("user"))
            settings.user = value;
        else if (key == QLatin1String("password"))
            settings.password = value;
        else if (key == QLatin1String("topic") && !value.isEmpty())
            settings.topic = value;
        else if (key == QLatin1String("building"))
            settings.building = value;
        else if (key == QLatin1String("ca"))
            settings.ca = value;
    }
    if (settings.url.isEmpty())
        return std::nullopt;
    const QUrl url(settings.url);
    const QString scheme = url.scheme();
    if ((scheme != QLatin1String("mqtts") && scheme != QLatin1String("mqtt")) ||
        url.host().isEmpty()) {
        if (error)
            *error = file.string() + ": url must be mqtts://HOST:PORT or mqtt://HOST:PORT";
        return std::nullopt;
    }
    settings.tls = scheme == QLatin1String("mqtts");
    settings.host = url.host();
    settings.port = url.port(settings.tls ? 8883 : 1883);
    if (settings.building.isEmpty())
        settings.building = QStringLiteral("unnamed building");
    return settings;
}

}  // namespace tollix
