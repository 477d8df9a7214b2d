#pragma once

#include "schedule/AppPaths.h"
#include "schedule/DefaultFiles.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

namespace tollix::bench {

// A home of the benchmark's own for the real program: its runtime folder, a
// program folder with `sounds` sound files, and the XDG folders pointing
// there, so nothing of the user's is read or written.
struct ProgramHome {
    QTemporaryDir dir;
    std::filesystem::path root{dir.path().toStdString()};
    std::filesystem::path run{root / "run"};
    AppPaths paths{root / "data" / "tollix"};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    explicit ProgramHome(int sounds) {
        std::filesystem::create_directories(run);
        std::filesystem::permissions(run, std::filesystem::perms::owner_all);
        EnsureProgramFolder(paths);
        for (int i = 0; i < sounds; ++i)
            std::ofstream(paths.soundFolder() / ("bell " + std::to_string(i) + ".mp3")) << "x";
        const std::pair<const char*, std::filesystem::path> folders[] = {
            {"XDG_RUNTIME_DIR", run},
            {"XDG_DATA_HOME", root / "data"},
            {"XDG_STATE_HOME", root / "state"},
            {"XDG_CACHE_HOME", root / "cache"},
            {"XDG_CONFIG_HOME", root / "config"}};
        for (const auto& [name, folder] : folders)
            env.insert(QString::fromLatin1(name), QString::fromStdString(folder.string()));
    }
};

}  // namespace tollix::bench
