#pragma once

#include <cstdio>
#include <filesystem>

namespace tollix {

// --web-password: reads a new password for the web page from `in` (without
// echo on a terminal, asked twice there) and stores its hash in `webIni`,
// keeping the port. Exit status 0, or 1 when nothing was written.
int setWebPassword(const std::filesystem::path& webIni, std::FILE* in);

}  // namespace tollix
