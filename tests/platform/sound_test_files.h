#pragma once

// Tiny sound files built in memory for the sound tests and benchmarks.
#include "platform/wav_file.h"
#include "support/test_env.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// A RIFF WAVE file of plain PCM; `samples` are interleaved, in the range of `bits`.
inline std::vector<uint8_t> makeWav(int rate, int channels, int bits,
                                    const std::vector<int>& samples) {
    return encodeWav(rate, channels, bits, samples);
}

// The loudest of 16-bit samples.
inline int peakOf(const std::vector<int16_t>& samples) {
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs((int)s));
    return peak;
}

// A 16-bit mono square wave of `frames` frames, loud enough to find.
inline std::vector<uint8_t> makeToneWav(int rate, int frames) {
    std::vector<int> samples((size_t)frames);
    for (int i = 0; i < frames; ++i)
        samples[(size_t)i] = (i / 20) % 2 ? 12000 : -12000;
    return makeWav(rate, 1, 16, samples);
}

// The game's nine effects, each a tone of `frames` frames at 22050 Hz.
inline void writeEffectFiles(int frames) {
    for (const char* name :
         {"GOLD", "CUP", "DIE", "START", "TELEPORT", "VANTRIX", "CURSOR", "LIFE", "JUMP"})
        writeFileBytes(std::string("SOUND/") + name + ".WAV", makeToneWav(22050, frames));
}

// A four-channel ProTracker module: one looped square-wave instrument, speed 2
// and tempo 150 (30 rows a second), `orders` plays of one 64-row pattern with a
// note every four rows.
inline std::vector<uint8_t> makeModule(int orders = 4) {
    std::vector<uint8_t> out(20, 0);
    std::memcpy(out.data(), "tiny test", 9);
    const int sampleBytes = 64;
    for (int s = 0; s < 31; ++s) {
        uint8_t header[30] = {};
        if (s == 0) {
            std::memcpy(header, "square", 6);
            header[22] = 0;
            header[23] = sampleBytes / 2; // length in words, big-endian
            header[25] = 64;              // volume
            header[29] = sampleBytes / 2; // loop the whole sample
        } else {
            header[29] = 1; // no loop
        }
        out.insert(out.end(), header, header + 30);
    }
    out.push_back((uint8_t)orders);
    out.push_back(127);
    for (int i = 0; i < 128; ++i)
        out.push_back(0); // every order plays pattern 0
    for (char c : std::string("M.K."))
        out.push_back((uint8_t)c);
    const int periods[4] = {428, 381, 339, 320};
    for (int row = 0; row < 64; ++row)
        for (int channel = 0; channel < 4; ++channel) {
            uint8_t cell[4] = {};
            if (channel == 0 && row % 4 == 0) {
                int period = periods[(row / 4) % 4];
                cell[0] = (uint8_t)(period >> 8); // sample 1: high nibble 0
                cell[1] = (uint8_t)period;
                cell[2] = 0x10; // sample 1, no effect
            }
            if (row == 0 && channel == 1) cell[2] = 0x0F, cell[3] = 2;   // speed 2
            if (row == 0 && channel == 2) cell[2] = 0x0F, cell[3] = 150; // tempo 150
            out.insert(out.end(), cell, cell + 4);
        }
    for (int i = 0; i < sampleBytes; ++i)
        out.push_back((uint8_t)(i < sampleBytes / 2 ? 60 : -60));
    return out;
}
