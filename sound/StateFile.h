#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tollix::sound {

// What Tollix has changed on the sound server and must give back, kept in
// the state folder so that the next start can, should this run end without
// doing it (a crash, SIGKILL, a power cut): one value a line.
std::vector<std::string> readStateFile(const std::filesystem::path& file);
// Written whole, or removed when there is nothing to keep. Empty on success,
// else what went wrong.
std::string writeStateFile(const std::filesystem::path& file,
                           const std::vector<std::string>& lines);

}  // namespace tollix::sound
