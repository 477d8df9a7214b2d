#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tollix::web {

// "web.ini": line 1 the port (0 or none: the page is off), line 2 the
// password's hash. The password itself is never stored.
struct WebSettings {
    int port = 0;
    std::string passwordHash;

    bool enabled() const { return port > 0 && !passwordHash.empty(); }
    bool operator==(const WebSettings&) const = default;
};

// A missing or unreadable file reads as off; `error` says why it could not be read.
WebSettings readWebSettings(const std::filesystem::path& file, std::string* error = nullptr);
// Written whole, readable by the owner only. Returns "PATH: why", empty on success.
std::string writeWebSettings(const std::filesystem::path& file, const WebSettings& settings);

// A new password needs this many characters at least: guessing from many
// addresses at once is slowed down, not stopped.
constexpr std::size_t kMinPasswordCharacters = 10;
// The characters (not bytes) of a UTF-8 password.
std::size_t passwordCharacters(const std::string& password);

// Argon2id with the library's interactive limits; empty when out of memory.
std::string hashPassword(const std::string& password);
// Constant-time against the stored hash; false for an empty or foreign hash.
bool passwordMatches(const std::string& password, const std::string& hash);

}  // namespace tollix::web
