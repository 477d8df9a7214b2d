#include "sound/AlarmSynth.h"

#include "sound/BellSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tollix::sound {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kRate = kSynthRate;

// A hard, buzzing tone: a bell never sounds like this.
double buzz(double phase) {
    return std::sin(phase) + 0.33 * std::sin(3 * phase) + 0.2 * std::sin(5 * phase);
}

// Three short beeps and a long one, twice: a code, not a bell.
std::vector<double> lockdown() {
    struct Beep {
        double start, length;
    };
    const Beep beeps[] = {{0.0, 0.2}, {0.35, 0.2}, {0.7, 0.2}, {1.05, 0.9},
                          {2.4, 0.2}, {2.75, 0.2}, {3.1, 0.2}, {3.45, 0.9}};
    const double length = 4.6, f = 960.0, ramp = 0.006;
    std::vector<double> out(static_cast<std::size_t>(length * kRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        for (const Beep& b : beeps) {
            const double local = t - b.start;
            if (local < 0 || local >= b.length)
                continue;
            out[i] =
                std::min({1.0, local / ramp, (b.length - local) / ramp}) * buzz(kTwoPi * f * t);
        }
    }
    return out;
}

// A siren rising and falling once a second, without a break: played again
// as it ends, it sounds on for as long as the signal lasts.
std::vector<double> evacuation() {
    const double length = 8.0, low = 550.0, high = 1150.0;
    std::vector<double> out(static_cast<std::size_t>(length * kRate));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double sweep = 0.5 - 0.5 * std::cos(kTwoPi * t);  // 0..1..0 each second
        phase += kTwoPi * (low + (high - low) * sweep) / kRate;
        const double edge = std::min({1.0, t / 0.01, (length - t) / 0.01});
        out[i] = edge * buzz(phase);
    }
    return out;
}

// Three calm notes going up, once.
std::vector<double> allClear() {
    const double notes[] = {523.25, 659.25, 783.99};
    const double spacing = 0.4, length = 2.2;
    std::vector<double> out(static_cast<std::size_t>(length * kRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        for (int n = 0; n < 3; ++n) {
            const double local = t - n * spacing;
            if (local < 0)
                continue;
            const double f = notes[n];
            out[i] += std::min(1.0, local / 0.01) * std::exp(-local / 0.6) *
                      (std::sin(kTwoPi * f * local) + 0.3 * std::sin(kTwoPi * 2 * f * local));
        }
    }
    return out;
}

}  // namespace

std::vector<std::int16_t> synthesize(AlarmTone tone) {
    return toSamples(tone == AlarmTone::Lockdown     ? lockdown()
                     : tone == AlarmTone::Evacuation ? evacuation()
                                                     : allClear());
}

}  // namespace tollix::sound
