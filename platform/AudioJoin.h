#pragma once

#include <filesystem>
#include <string>

namespace tollix {

// Writes `first` then `second`, each decoded from whatever format it has,
// into the one WAV `out` (16 bits, 44.1 kHz, stereo), so that they always
// play as one sound. Blocks until done: for a worker thread. Empty on
// success, else why it failed.
std::string joinAudio(const std::filesystem::path& first, const std::filesystem::path& second,
                      const std::filesystem::path& out);

}  // namespace tollix
