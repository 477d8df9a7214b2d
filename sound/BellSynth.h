#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tollix::sound {

// The bells a new installation starts with, made by the program itself.
inline constexpr int kSynthRate = 44100;

enum class SynthBell { SchoolBell, Chime, ShortAlarm };

struct SynthBellFile {
    SynthBell bell;
    const char* fileName;
};
inline constexpr SynthBellFile kSynthBells[] = {
    {SynthBell::SchoolBell, "school-bell.wav"},
    {SynthBell::Chime, "chime.wav"},
    {SynthBell::ShortAlarm, "short-alarm.wav"},
};

// Mono samples at kSynthRate, peak at 80 % of full scale.
std::vector<std::int16_t> synthesize(SynthBell bell);

// A wave as 16-bit samples, its peak at 80 % of full scale.
std::vector<std::int16_t> toSamples(const std::vector<double>& wave);

// A 16-bit mono PCM WAV file, written atomically. Returns an error text, empty
// on success.
std::string writeWav(const std::filesystem::path& file, const std::vector<std::int16_t>& samples);

}  // namespace tollix::sound
