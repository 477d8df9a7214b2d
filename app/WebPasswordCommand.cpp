#include "app/WebPasswordCommand.h"

#include "web/WebSettings.h"

#include <QCoreApplication>

#include <sodium.h>
#include <termios.h>
#include <unistd.h>

#include <string>

namespace tollix {

namespace {

constexpr std::size_t kMaxPassword = 1024;

void say(std::FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

// One line, its line break dropped; echo off while a terminal types it.
bool readLine(std::FILE* in, const QString& prompt, std::string& line) {
    const int fd = fileno(in);
    termios before{};
    const bool terminal = isatty(fd) && tcgetattr(fd, &before) == 0;
    if (terminal) {
        std::fprintf(stderr, "%s", prompt.toLocal8Bit().constData());
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
    const bool read =
        readLine(in, QCoreApplication::translate("WebPasswordCommand", "New web page password: "),
                 password) &&
        (!terminal ||
         readLine(in, QCoreApplication::translate("WebPasswordCommand", "The same again: "),
                  again));
    QString refusal;
    if (!read || password.empty())
        refusal = QCoreApplication::translate("WebPasswordCommand", "no password was given");
    else if (password.size() > kMaxPassword)
        refusal = QCoreApplication::translate("WebPasswordCommand",
                                              "the password is longer than 1024 bytes");
    else if (web::passwordCharacters(password) < web::kMinPasswordCharacters)
        refusal = QCoreApplication::translate("WebPasswordCommand",
                                              "the password is shorter than %1 characters")
                      .arg(web::kMinPasswordCharacters);
    else if (terminal && again != password)
        refusal = QCoreApplication::translate("WebPasswordCommand", "the two passwords differ");
    std::string hash = refusal.isEmpty() ? web::hashPassword(password) : std::string();
    sodium_memzero(password.data(), password.size());
    sodium_memzero(again.data(), again.size());
    if (refusal.isEmpty() && hash.empty())
        refusal = QCoreApplication::translate("WebPasswordCommand",
                                              "the password could not be hashed (out of memory)");
    if (!refusal.isEmpty()) {
        say(stderr,
            QCoreApplication::translate("WebPasswordCommand", "tollix: %1; nothing was written")
                .arg(refusal));
        return 1;
    }
    std::string unreadable;
    web::WebSettings settings = web::readWebSettings(webIni, &unreadable);
    if (!unreadable.empty()) {
        say(stderr,
            QCoreApplication::translate("WebPasswordCommand", "tollix: %1; nothing was written")
                .arg(QString::fromStdString(unreadable)));
        return 1;
    }
    settings.passwordHash = hash;
    std::error_code ignored;
    std::filesystem::create_directories(webIni.parent_path(), ignored);
    if (const std::string error = web::writeWebSettings(webIni, settings); !error.empty()) {
        say(stderr, QStringLiteral("tollix: ") + QString::fromStdString(error));
        return 1;
    }
    const QString where = QString::fromStdString(webIni.string());
    say(stdout, settings.port > 0
                    ? QCoreApplication::translate("WebPasswordCommand",
                                                  "The web page's password is set in %1")
                          .arg(where)
                    : QCoreApplication::translate(
                          "WebPasswordCommand",
                          "The web page's password is set in %1 (the page stays off until a "
                          "port is set)")
                          .arg(where));
    return 0;
}

}  // namespace tollix
