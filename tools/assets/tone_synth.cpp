#include "assets/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr double pi = 3.14159265358979323846;

double oscillator(Wave wave, double phase, double duty, double noise) {
    switch (wave) {
    case Wave::Square:
        return phase < duty ? 1.0 : -1.0;
    case Wave::Triangle:
        return 4.0 * std::fabs(phase - 0.5) - 1.0;
    case Wave::Saw:
        return 2.0 * phase - 1.0;
    case Wave::Sine:
        return std::sin(2.0 * pi * phase);
    case Wave::Noise:
        return noise;
    }
    return 0.0;
}

double envelope(const Tone& t, double ms) {
    double level = t.attack > 0 && ms < t.attack ? ms / t.attack : 1.0;
    if (t.decay > 0) level *= std::exp2(-ms / t.decay);
    double left = t.length - ms;
    if (t.release > 0 && left < t.release) level *= std::max(left, 0.0) / t.release;
    return level;
}

void addTone(const Tone& t, int rate, std::vector<double>& mix) {
    size_t first = (size_t)std::llround(t.at * rate / 1000.0);
    size_t count = (size_t)std::llround(t.length * rate / 1000.0);
    double end = t.glideTo > 0 ? t.glideTo : t.pitch;
    double phase = 0.0;
    uint32_t random = t.seed ? t.seed : 1;
    double noise = 0.0;
    for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
        double ms = (double)i * 1000.0 / rate;
        double share = count > 1 ? (double)i / (double)(count - 1) : 0.0;
        // Glides move evenly in pitch (octaves), as the ear hears them.
        double hertz = t.pitch * std::pow(end / t.pitch, share);
        hertz *= 1.0 + t.wobble * std::sin(2.0 * pi * t.wobbleRate * ms / 1000.0);
        mix[first + i] += t.volume * envelope(t, ms) * oscillator(t.wave, phase, t.duty, noise);
        phase += hertz / rate;
        if (phase >= 1.0) {
            phase -= std::floor(phase);
            // Noise takes a new value once per period, so its pitch can fall.
            random = random * 1664525u + 1013904223u;
            noise = (double)(random >> 8) / (double)(1u << 23) - 1.0;
        }
    }
}
} // namespace

std::vector<float> renderTones(const std::vector<Tone>& tones, int rate, double gain) {
    double lengthMs = 0;
    for (const Tone& t : tones)
        lengthMs = std::max(lengthMs, t.at + t.length);
    std::vector<double> mix((size_t)std::llround(lengthMs * rate / 1000.0), 0.0);
    for (const Tone& t : tones)
        addTone(t, rate, mix);
    std::vector<float> out(mix.size());
    for (size_t i = 0; i < mix.size(); ++i)
        out[i] = (float)std::clamp(mix[i] * gain, -1.0, 1.0);
    return out;
}

bool parsePitch(const std::string& text, double& hertz) {
    static const int semitones[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G from C
    if (text.empty()) return false;
    char letter = text[0];
    if (letter >= 'A' && letter <= 'G') {
        int semitone = semitones[letter - 'A'];
        size_t i = 1;
        if (i < text.size() && (text[i] == '#' || text[i] == 'b')) {
            semitone += text[i] == '#' ? 1 : -1;
            ++i;
        }
        if (i + 1 != text.size() || text[i] < '0' || text[i] > '8') return false;
        int octave = text[i] - '0';
        int fromA4 = (octave - 4) * 12 + semitone - 9;
        hertz = 440.0 * std::exp2(fromA4 / 12.0);
        return true;
    }
    char* end = nullptr;
    hertz = std::strtod(text.c_str(), &end);
    return *end == '\0' && hertz >= 20.0 && hertz <= 20000.0;
}

bool parseWave(const std::string& text, Wave& wave) {
    static const struct {
        const char* name;
        Wave wave;
    } names[] = {{"square", Wave::Square},
                 {"triangle", Wave::Triangle},
                 {"saw", Wave::Saw},
                 {"sine", Wave::Sine},
                 {"noise", Wave::Noise}};
    for (const auto& n : names)
        if (text == n.name) {
            wave = n.wave;
            return true;
        }
    return false;
}
