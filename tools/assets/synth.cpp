#include "assets/synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double pi = 3.14159265358979323846;
constexpr int tableSize = 2048;
constexpr int renderRate = 44100;
// Held tones loop one cycle of this many samples; it divides the table exactly.
constexpr int cycleLength = 256;

// One band-limited cycle of the wave, built from its harmonics so that high
// notes do not alias into noise.
std::vector<double> waveTable(Waveform wave, int harmonics) {
    std::vector<double> table(tableSize, 0.0);
    for (int h = 1; h <= harmonics; ++h) {
        double amplitude = 0;
        switch (wave) {
        case Waveform::sine:
            amplitude = h == 1 ? 1.0 : 0.0;
            break;
        case Waveform::square:
            amplitude = h % 2 ? 1.0 / h : 0.0;
            break;
        case Waveform::saw:
            amplitude = (h % 2 ? 1.0 : -1.0) / h;
            break;
        case Waveform::triangle:
            amplitude = h % 2 ? ((h / 2) % 2 ? -1.0 : 1.0) / (double(h) * h) : 0.0;
            break;
        case Waveform::noise:
            break;
        }
        if (amplitude == 0) continue;
        for (int i = 0; i < tableSize; ++i)
            table[i] += amplitude * std::sin(2 * pi * h * i / tableSize);
    }
    return table;
}

// Reads the table at a phase in cycles (any real number), interpolating.
double lookup(const std::vector<double>& table, double phase) {
    double position = (phase - std::floor(phase)) * tableSize;
    int i = (int)position;
    double fraction = position - i;
    return table[i % tableSize] * (1 - fraction) + table[(i + 1) % tableSize] * fraction;
}

class Noise {
public:
    explicit Noise(unsigned seed) : state(seed * 2654435761u + 1) {}
    double next() {
        state = state * 1664525u + 1013904223u;
        return (double)(state >> 8) / (double)(1u << 23) - 1.0;
    }

private:
    unsigned state;
};

// One-pole low- and high-pass filters over a buffer, in place; `passes` runs
// the buffer through that many times so a loop starts in the settled state.
void filter(std::vector<double>& buffer, const SynthVoice& voice, double rate, int passes) {
    double low = 0, high = 0;
    double lowGain = voice.lowpassHz ? 1 - std::exp(-2 * pi * voice.lowpassHz / rate) : 1;
    double highGain = voice.highpassHz ? 1 - std::exp(-2 * pi * voice.highpassHz / rate) : 0;
    std::vector<double> out(buffer.size());
    for (int pass = 0; pass < passes; ++pass)
        for (size_t i = 0; i < buffer.size(); ++i) {
            low += lowGain * (buffer[i] - low);
            high += highGain * (low - high);
            out[i] = low - high;
        }
    buffer = out;
}

std::vector<int16_t> toPcm(const std::vector<double>& buffer) {
    double peak = 1e-9;
    for (double v : buffer)
        peak = std::max(peak, std::fabs(v));
    std::vector<int16_t> pcm(buffer.size());
    for (size_t i = 0; i < buffer.size(); ++i)
        pcm[i] = (int16_t)std::lround(buffer[i] / peak * 0.9 * 32767);
    return pcm;
}

int harmonicsBelow(double frequency, double limitHz) {
    return std::clamp((int)(limitHz / frequency), 1, 48);
}

SynthSample renderOneShot(const SynthVoice& voice) {
    double base = noteFrequency(voice.pitch);
    double highest = base * std::pow(2.0, std::max(0.0, voice.sweepSemitones) / 12);
    std::vector<double> table = waveTable(voice.wave, harmonicsBelow(highest, 16000));
    Noise noise(voice.seed);
    double attack = voice.attackMs / 1000.0, decay = std::max(1, voice.decayMs) / 1000.0;
    double sweep = voice.sweepMs / 1000.0;
    int length = (int)((attack + decay) * renderRate) + 1;
    std::vector<double> dry((size_t)length);
    double phase = 0, modPhase = 0;
    for (int i = 0; i < length; ++i) {
        double t = (double)i / renderRate;
        double envelope = t < attack ? t / attack : std::exp(-6.9 * (t - attack) / decay);
        double offset = 0;
        if (sweep > 0 && t < sweep)
            offset = voice.sweepSemitones * (1 - t / sweep) * (1 - t / sweep);
        double frequency = base * std::pow(2.0, offset / 12);
        double v;
        if (voice.wave == Waveform::noise) {
            v = noise.next();
        } else {
            double mod = voice.fmDepth * envelope * std::sin(2 * pi * modPhase) / (2 * pi);
            v = lookup(table, phase + mod);
            if (voice.detuneCents)
                v = 0.5 * (v + lookup(table, phase * std::pow(2.0, voice.detuneCents / 1200.0)));
        }
        dry[(size_t)i] = v * envelope;
        phase += frequency / renderRate;
        modPhase += frequency * voice.fmRatio / renderRate;
    }
    filter(dry, voice, renderRate, 1);
    // The last millisecond fades to nothing so the end never clicks.
    int fade = std::min(length, renderRate / 1000);
    for (int i = 0; i < fade; ++i)
        dry[(size_t)(length - 1 - i)] *= (double)i / fade;
    std::vector<double> wet = dry;
    if (voice.echoMs > 0 && voice.echoPercent > 0) {
        int delay = voice.echoMs * renderRate / 1000;
        double gain = voice.echoPercent / 100.0;
        int repeats = 0;
        for (double g = gain; g >= 0.02 && repeats < 16; g *= gain)
            ++repeats;
        wet.assign((size_t)(length + repeats * delay), 0.0);
        double g = 1;
        for (int k = 0; k <= repeats; ++k, g *= gain)
            for (int i = 0; i < length; ++i)
                wet[(size_t)(i + k * delay)] += g * dry[(size_t)i];
    }
    SynthSample sample;
    sample.pcm = toPcm(wet);
    sample.c5Speed = (uint32_t)std::lround(renderRate * noteFrequency(60) / base);
    return sample;
}

SynthSample renderHeld(const SynthVoice& voice) {
    SynthSample sample;
    std::vector<double> loop;
    if (voice.wave == Waveform::noise) {
        Noise noise(voice.seed);
        loop.resize(32768);
        for (double& v : loop)
            v = noise.next();
        sample.c5Speed = renderRate;
    } else {
        // A detuned pair beats once per loop: the loop holds `cycles` periods of
        // the first oscillator and one more of the second.
        int cycles = 1;
        if (voice.detuneCents > 0) {
            double ratio = std::pow(2.0, voice.detuneCents / 1200.0) - 1;
            cycles = std::clamp((int)std::lround(1 / ratio), 1, 256);
        }
        int length = cycles * cycleLength;
        std::vector<double> table = waveTable(voice.wave, 32);
        loop.resize((size_t)length);
        for (int i = 0; i < length; ++i) {
            double phase = (double)i / cycleLength;
            double mod = voice.fmDepth * std::sin(2 * pi * phase * std::round(voice.fmRatio));
            double v = lookup(table, phase + mod / (2 * pi));
            if (voice.detuneCents > 0)
                v = 0.5 * (v + lookup(table, (double)i * (cycles + 1) / length));
            loop[(size_t)i] = v;
        }
        double heard = voice.detuneCents > 0 ? cycles + 0.5 : 1.0;
        sample.c5Speed = (uint32_t)std::lround(length * noteFrequency(60) / heard);
    }
    filter(loop, voice, sample.c5Speed, 2);
    sample.pcm = toPcm(loop);
    sample.looped = true;
    sample.loopStart = 0;
    return sample;
}
} // namespace

double noteFrequency(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

SynthSample renderVoice(const SynthVoice& voice) {
    return voice.oneShot() ? renderOneShot(voice) : renderHeld(voice);
}
