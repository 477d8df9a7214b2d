#include "platform/AutoStart.h"

#include "schedule/SafeFile.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace tollix {

namespace {

// Characters that make an Exec argument need quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Inside quotes these take a backslash.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

}  // namespace

XdgAutoStart::XdgAutoStart(fs::path folder) : folder_(std::move(folder)) {}

fs::path XdgAutoStart::defaultFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/')
        return fs::path(config) / "autostart";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".config" / "autostart";
}

std::string XdgAutoStart::execValue(const std::string& executable) {
    std::string argument;
    if (executable.find_first_of(kReserved) == std::string::npos) {
        argument = executable;
    } else {
        argument = "\"";
        for (char c : executable) {
            if (kEscapedInQuotes.find(c) != std::string_view::npos)
                argument += '\\';
            argument += c;
        }
        argument += '"';
    }
    // The value is a string of the entry: a backslash is written twice, and
    // a per cent sign would be a field code.
    std::string value;
    for (char c : argument) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '%')
            value += "%%";
        else
            value += c;
    }
    return value;
}

std::string XdgAutoStart::entry(const std::string& executable) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tollix\n"
           "Comment=Rings the school bells of the day\n"
           "Exec=" +
           execValue(executable) +
           "\n"
           "Icon=io.github.tollix.Tollix\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string XdgAutoStart::write(const std::string& executable) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec)
        return folder_.string() + ": " + ec.message();
    return safefile::write(file(), entry(executable));
}

std::string XdgAutoStart::remove() {
    std::error_code ec;
    if (!fs::exists(file(), ec))
        return {};  // nothing there, or nowhere it could be
    fs::remove(file(), ec);
    if (ec)
        return file().string() + ": " + ec.message();
    return {};
}

}  // namespace tollix
