#include "sound/BellSynth.h"

#include "schedule/SafeFile.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tollix::sound {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Partial {
    double ratio;
    double level;
    double decay;  // seconds to fall to 1/e
};

// A struck bell: inharmonic partials, each dying away at its own pace.
double bellTone(double t, double frequency, const std::vector<Partial>& partials) {
    double value = 0.0;
    for (const auto& p : partials)
        value += p.level * std::exp(-t / p.decay) * std::sin(kTwoPi * frequency * p.ratio * t);
    return value;
}

std::vector<double> schoolBell() {
    // An electric bell: a gong hit by a hammer about twenty times a second,
    // for two and a half seconds, then left to ring out.
    const double ringing = 2.5, length = 3.3, strikeRate = 19.0, f = 1180.0;
    std::vector<double> out(static_cast<std::size_t>(length * kSynthRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSynthRate;
        const double sinceStrike = std::fmod(std::min(t, ringing), 1.0 / strikeRate);
        double level = t < ringing ? 0.55 + 0.45 * std::exp(-sinceStrike / 0.012)
                                   : 0.55 * std::exp(-(t - ringing) / 0.25);
        level *= std::min(1.0, t / 0.004);
        out[i] = level * (std::sin(kTwoPi * f * t) + 0.45 * std::sin(kTwoPi * f * 2.76 * t) +
                          0.2 * std::sin(kTwoPi * f * 5.40 * t));
    }
    return out;
}

std::vector<double> chime() {
    // Four notes of a tower chime, each a soft bell tone.
    const double notes[] = {659.25, 523.25, 587.33, 392.00};
    const double spacing = 0.65, length = 4.6;
    const std::vector<Partial> bell{
        {1.0, 1.0, 1.1}, {2.0, 0.35, 0.6}, {3.0, 0.15, 0.35}, {4.2, 0.08, 0.2}, {0.5, 0.2, 1.6}};
    std::vector<double> out(static_cast<std::size_t>(length * kSynthRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSynthRate;
        double value = 0.0;
        for (int n = 0; n < 4; ++n) {
            const double start = n * spacing;
            if (t >= start) {
                const double local = t - start;
                value += std::min(1.0, local / 0.003) * bellTone(local, notes[n], bell);
            }
        }
        out[i] = value;
    }
    return out;
}

std::vector<double> shortAlarm() {
    // Eight short beeps, alternating between two pitches.
    const double beep = 0.15, gap = 0.06, ramp = 0.005;
    const int count = 8;
    std::vector<double> out(static_cast<std::size_t>(count * (beep + gap) * kSynthRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSynthRate;
        const int n = static_cast<int>(t / (beep + gap));
        const double local = t - n * (beep + gap);
        if (local >= beep)
            continue;
        const double f = n % 2 == 0 ? 880.0 : 1174.66;
        const double envelope = std::min({1.0, local / ramp, (beep - local) / ramp});
        out[i] = envelope * (std::sin(kTwoPi * f * t) + 0.25 * std::sin(kTwoPi * 2 * f * t));
    }
    return out;
}

void putLe(QByteArray& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace

std::vector<std::int16_t> synthesize(SynthBell bell) {
    std::vector<double> wave;
    switch (bell) {
        case SynthBell::SchoolBell:
            wave = schoolBell();
            break;
        case SynthBell::Chime:
            wave = chime();
            break;
        case SynthBell::ShortAlarm:
            wave = shortAlarm();
            break;
    }
    return toSamples(wave);
}

std::vector<std::int16_t> toSamples(const std::vector<double>& wave) {
    double peak = 0.0;
    for (double v : wave) peak = std::max(peak, std::abs(v));
    const double scale = peak > 0.0 ? 0.8 * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples(wave.size());
    std::transform(wave.begin(), wave.end(), samples.begin(),
                   [scale](double v) { return static_cast<std::int16_t>(std::lround(v * scale)); });
    return samples;
}

std::string writeWav(const std::filesystem::path& file, const std::vector<std::int16_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray bytes;
    bytes.append("RIFF", 4);
    putLe(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ", 8);
    putLe(bytes, 16, 4);              // format chunk size
    putLe(bytes, 1, 2);               // PCM
    putLe(bytes, 1, 2);               // mono
    putLe(bytes, kSynthRate, 4);      // sample rate
    putLe(bytes, kSynthRate * 2, 4);  // byte rate
    putLe(bytes, 2, 2);               // block align
    putLe(bytes, 16, 2);              // bits per sample
    bytes.append("data", 4);
    putLe(bytes, dataSize, 4);
    for (std::int16_t s : samples) putLe(bytes, static_cast<std::uint16_t>(s), 2);

    return safefile::write(
        file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tollix::sound
