#include "schedule/AppPaths.h"

#include <cstdlib>
#include <system_error>

namespace tollix {

AppPaths::AppPaths(std::filesystem::path programFolder) : program_(std::move(programFolder)) {}

AppPaths AppPaths::resolve(const std::filesystem::path& executableFolder) {
    std::error_code ec;
    if (std::filesystem::is_directory(executableFolder / "data", ec))
        return AppPaths(executableFolder);

    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".local" / "share";
    else
        base = std::filesystem::temp_directory_path(ec);
    return AppPaths(base / "tollix");
}

std::filesystem::path AppPaths::dayList(int n) const {
    return dataFolder() / ("mdata_" + std::to_string(n) + ".ini");
}

std::filesystem::path AppPaths::dayIntervals(int n) const {
    return dataFolder() / ("adata_" + std::to_string(n) + ".ini");
}

std::string AppPaths::showFolder(std::string text) const {
    static const std::string installFolder = "C:\\tollix";
    const std::string folder = program_.generic_string();
    std::size_t at = 0;
    while ((at = text.find(installFolder, at)) != std::string::npos) {
        std::size_t end = at + installFolder.size();
        // The rest of the path, up to the next blank or quote, takes "/" too.
        std::size_t pathEnd = end;
        while (pathEnd < text.size() && text[pathEnd] != ' ' && text[pathEnd] != '"') ++pathEnd;
        std::string rest = text.substr(end, pathEnd - end);
        for (char& c : rest)
            if (c == '\\')
                c = '/';
        text.replace(at, pathEnd - at, folder + rest);
        at += folder.size() + rest.size();
    }
    return text;
}

}  // namespace tollix
