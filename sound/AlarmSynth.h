#pragma once

#include <cstdint>
#include <vector>

namespace tollix::sound {

// The emergency signals a new installation starts with, made by the program
// itself, none of them like a bell: a beeping pattern, a rising and falling
// siren, a short rising chime.
enum class AlarmTone { Lockdown, Evacuation, AllClear };

struct AlarmToneFile {
    AlarmTone tone;
    const char* fileName;
};
inline constexpr AlarmToneFile kAlarmTones[] = {
    {AlarmTone::Lockdown, "lockdown-signal.wav"},
    {AlarmTone::Evacuation, "evacuation-tone.wav"},
    {AlarmTone::AllClear, "all-clear-chime.wav"},
};

// Mono samples at kSynthRate, peak at 80 % of full scale.
std::vector<std::int16_t> synthesize(AlarmTone tone);

}  // namespace tollix::sound
