#pragma once

#include <filesystem>
#include <string>

namespace tollix {

// Where the program keeps its data files and sounds.
class AppPaths {
  public:
    explicit AppPaths(std::filesystem::path programFolder);

    // The executable's folder when it holds a "data" folder (a portable
    // install), otherwise $XDG_DATA_HOME/tollix (~/.local/share/tollix).
    static AppPaths resolve(const std::filesystem::path& executableFolder);

    const std::filesystem::path& programFolder() const { return program_; }
    std::filesystem::path dataFolder() const { return program_ / "data"; }
    std::filesystem::path soundFolder() const { return program_ / "sound"; }

    std::filesystem::path dataIni() const { return dataFolder() / "data.ini"; }
    std::filesystem::path exitIni() const { return dataFolder() / "exit.ini"; }
    std::filesystem::path timeServerIni() const { return dataFolder() / "timeserver.ini"; }
    std::filesystem::path holidaysIni() const { return dataFolder() / "holidays.ini"; }
    std::filesystem::path clockIni() const { return dataFolder() / "clock.ini"; }
    std::filesystem::path outputIni() const { return dataFolder() / "output.ini"; }
    std::filesystem::path webIni() const { return dataFolder() / "web.ini"; }
    std::filesystem::path weekList() const { return dataFolder() / "mdata.ini"; }
    std::filesystem::path weekIntervals() const { return dataFolder() / "adata.ini"; }
    // N: 1..7 the weekdays from Sunday, 8..13 the templates.
    std::filesystem::path dayList(int n) const;
    std::filesystem::path dayIntervals(int n) const;

    // A message text that names the install folder "C:\tollix" shows the real
    // program folder, with "/" separators.
    std::string showFolder(std::string text) const;

  private:
    std::filesystem::path program_;
};

}  // namespace tollix
