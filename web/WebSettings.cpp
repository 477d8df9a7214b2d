#include "web/WebSettings.h"

#include "schedule/SafeFile.h"

#include <sodium.h>

#include <algorithm>
#include <charconv>
#include <sstream>

namespace tollix::web {

namespace {

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

}  // namespace

WebSettings readWebSettings(const std::filesystem::path& file, std::string* error) {
    const safefile::Reading reading = safefile::read(file, safefile::kDataLimit);
    if (error)
        *error = reading.error;
    WebSettings settings;
    std::istringstream in(reading.bytes);
    std::string line;
    if (std::getline(in, line)) {
        int port = 0;
        const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), port);
        if (ec == std::errc() && port > 0 && port < 65536)
            settings.port = port;
    }
    if (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        settings.passwordHash = line;
    }
    return settings;
}

std::string writeWebSettings(const std::filesystem::path& file, const WebSettings& settings) {
    std::string error =
        safefile::write(file, std::to_string(settings.port) + "\n" + settings.passwordHash + "\n");
    if (!error.empty())
        return error;
    std::error_code ec;
    std::filesystem::permissions(
        file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write, ec);
    return ec ? file.string() + ": " + ec.message() : std::string();
}

std::string hashPassword(const std::string& password) {
    char hash[crypto_pwhash_STRBYTES];
    if (!sodiumReady() || crypto_pwhash_str(hash, password.data(), password.size(),
                                            crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                            crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return {};
    return hash;
}

std::size_t passwordCharacters(const std::string& password) {
    return static_cast<std::size_t>(std::count_if(password.begin(), password.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool passwordMatches(const std::string& password, const std::string& hash) {
    if (!sodiumReady() || hash.empty() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

}  // namespace tollix::web
