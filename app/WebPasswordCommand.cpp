#include "app/WebPasswordCommand.h"

#include "web/WebSettings.h"

#include <sodium.h>
#include <termios.h>
#include <unistd.h>

#include <string>

namespace tollix {

namespace {

constexpr std::size_t kMaxPassword = 1024;

// One line, its line break dropped; echo off while a terminal types it.
bool readLine(std::FILE* in, const char* prompt, std::string& line) {
    const int fd = fileno(in);
    termios before{};
    const bool terminal = isatty(fd) && tcgetattr(fd, &before) == 0;
    if (terminal) {
        std::fprintf(stderr, "%s", prompt);
        termios quiet = before;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    line.clear();
    int c = 0;
    while ((c = std::fgetc(in)) != EOF && c != '\n' && line.size() <= kMaxPassword)
        line.push_back(static_cast<char>(c));
    if (terminal) {
        tcsetattr(fd, TCSAFLUSH, &before);
        std::fprintf(stderr, "\n");
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return c == '\n' || (c == EOF && !line.empty());
}

}  // namespace

int setWebPassword(const std::filesystem::path& webIni, std::FILE* in) {
    std::string password;
    std::string again;
    const bool terminal = isatty(fileno(in));
    const bool read = readLine(in, "New web page password: ", password) &&
                      (!terminal || readLine(in, "The same again: ", again));
    const char* refusal = nullptr;
    if (!read || password.empty())
        refusal = "no password was given";
    else if (password.size() > kMaxPassword)
        refusal = "the password is longer than 1024 bytes";
    else if (terminal && again != password)
        refusal = "the two passwords differ";
    std::string hash = refusal ? std::string() : web::hashPassword(password);
    sodium_memzero(password.data(), password.size());
    sodium_memzero(again.data(), again.size());
    if (!refusal && hash.empty())
        refusal = "the password could not be hashed (out of memory)";
    if (refusal) {
        std::fprintf(stderr, "tollix: %s; nothing was written\n", refusal);
        return 1;
    }
    std::string unreadable;
    web::WebSettings settings = web::readWebSettings(webIni, &unreadable);
    if (!unreadable.empty()) {
        std::fprintf(stderr, "tollix: %s; nothing was written\n", unreadable.c_str());
        return 1;
    }
    settings.passwordHash = hash;
    std::error_code ignored;
    std::filesystem::create_directories(webIni.parent_path(), ignored);
    if (const std::string error = web::writeWebSettings(webIni, settings); !error.empty()) {
        std::fprintf(stderr, "tollix: %s\n", error.c_str());
        return 1;
    }
    std::printf("The web page's password is set in %s%s\n", webIni.string().c_str(),
                settings.port > 0 ? "" : " (the page stays off until a port is set)");
    return 0;
}

}  // namespace tollix
