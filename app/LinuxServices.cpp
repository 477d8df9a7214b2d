#include "app/LinuxServices.h"

#include "platform/MosquittoLink.h"
#include "platform/MpvPlayer.h"
#include "sound/StateFile.h"
#include "ui/Translations.h"

#include <QCoreApplication>
#include <QPointer>

#include <chrono>
#include <cstdlib>

namespace tollix {

// Relays by their commands through QProcess; IP speakers by a GStreamer pipeline each.
RelaysAndStreams::Makers linuxRelaysAndStreams() {
    return {[](const sound::RelayLine& line, RelayOutput::Report failed, RelayOutput::Keep keep) {
                return std::make_unique<RelayOutput>(line, std::move(failed), std::move(keep));
            },
            [](const sound::StreamLine& line, RtpStream::Report failed) {
                return std::make_unique<RtpStream>(line, std::move(failed));
            }};
}

LinuxServices::LinuxServices(const AppPaths& folder)
    : paths(folder),
      // A libmpv player a bell output, made when an output is first used.
      player(
          [](const std::string& sink) {
              return std::make_unique<MpvPlayer>(std::chrono::seconds(1), sink);
          },
          linuxRelaysAndStreams()),
      ringLog(RingLog::defaultFile()),
      timeSync(
          timesync::ReadTimeServers(paths.timeServerIni(), &serversUnreadable),
          {&timeSetter,
           [] {
               using namespace std::chrono;
               return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
           },
           [this] { return clock.monotonicMs(); }}),
      speech({paths.soundFolder(), Speech::defaultCacheFolder(), paths.dataFolder() / "speech.ini",
              Speech::voiceFor(desktopLanguages())}) {
    speech.look();
    QObject::connect(&timeSync, &timesync::TimeSync::correctionChanged,
                     [this](std::int64_t ms) { clock.setCorrectionMs(ms); });
    if (auto settings = BrokerSettings::read(paths.dataFolder() / "mqtt.ini", &brokerUnreadable))
        broker = std::make_unique<MosquittoLink>(std::move(*settings));
}

void LinuxServices::keepSoundState(BellEngine& engine) {
    engine.keepSoundStateIn(RingLog::defaultFile().parent_path());
    // Relays left on are switched off before any bell can switch them on.
    auto& relays = player.relaysAndStreams();
    const auto restored = relays.keepRelaysIn(RingLog::defaultFile().parent_path() / "relays");
    engine.recordRelaysRestored(restored.off, restored.failed);
    // Relays still on at exit are switched off after the engine has gone.
    relays.onFailure([engine = QPointer<BellEngine>(&engine)](const std::string& what) {
        if (engine)
            engine->outputFailed(what);
    });
    static const auto muteMarker = RingLog::defaultFile().parent_path() / "muted";
    std::atexit([] {
        if (PulseMixer::undoAtExit())
            sound::writeStateFile(muteMarker, {});
    });
}

void LinuxServices::sayStartProblems(Messages& messages,
                                     const std::vector<std::string>& failures) const {
    for (const auto& failure : failures)
        messages.information(QStringLiteral("TOLLIX"),
                             QCoreApplication::translate("main", "Error Number : \n") +
                                 QString::fromStdString(failure));
    if (!brokerUnreadable.empty())
        messages.information(QCoreApplication::translate("main", "Warning"),
                             QCoreApplication::translate("main",
                                                         "A file could not be read: %1\nThe "
                                                         "signals sound in this building only.")
                                 .arg(QString::fromStdString(brokerUnreadable)));
    if (!serversUnreadable.empty())
        messages.information(QCoreApplication::translate("main", "Warning"),
                             QCoreApplication::translate("main",
                                                         "A file could not be read: %1\nThe "
                                                         "public time servers are used.")
                                 .arg(QString::fromStdString(serversUnreadable)));
}

bool LinuxServices::playable(const std::filesystem::path& file) {
    MpvPlayer probe(std::chrono::seconds(5));
    probe.setFileName(file.string());
    return probe.startOpen() && probe.finishOpen(std::chrono::seconds(5)) && probe.length() > 0;
}

}  // namespace tollix
