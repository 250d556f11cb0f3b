#pragma once

// ".WAV" files as other programs write them (a sound editor's exports), built
// byte by byte: 24-bit PCM (plain, and in the extensible format sox writes),
// 32-bit float, IMA ADPCM and mu-law. For the decoder's tests and the seeds of
// the WAV fuzz target.
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace wav_encodings {

inline void put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back((uint8_t)(v >> (8 * i)));
}

// A RIFF WAVE file: the format chunk's fields as given (`extra` after its 16
// bytes, with its size first when not empty), a "fact" chunk with the number of
// frames when `factFrames` is not negative, then one data chunk.
inline std::vector<uint8_t> file(uint16_t tag, int channels, int rate, int bits, int blockAlign,
                                 const std::vector<uint8_t>& extra,
                                 const std::vector<uint8_t>& data, int factFrames = -1) {
    std::vector<uint8_t> format;
    put(format, tag, 2);
    put(format, (uint32_t)channels, 2);
    put(format, (uint32_t)rate, 4);
    put(format, (uint32_t)(rate * blockAlign), 4); // whole blocks a second, near enough
    put(format, (uint32_t)blockAlign, 2);
    put(format, (uint32_t)bits, 2);
    if (!extra.empty()) {
        put(format, (uint32_t)extra.size(), 2);
        format.insert(format.end(), extra.begin(), extra.end());
    }
    std::vector<uint8_t> out;
    auto chunk = [&](const char* id, const std::vector<uint8_t>& body) {
        out.insert(out.end(), id, id + 4);
        put(out, (uint32_t)body.size(), 4);
        out.insert(out.end(), body.begin(), body.end());
        if (body.size() & 1) out.push_back(0);
    };
    out.insert(out.end(), {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'});
    chunk("fmt ", format);
    if (factFrames >= 0) {
        std::vector<uint8_t> fact;
        put(fact, (uint32_t)factFrames, 4);
        chunk("fact", fact);
    }
    chunk("data", data);
    uint32_t riff = (uint32_t)out.size() - 8;
    std::memcpy(out.data() + 4, &riff, 4); // little-endian hosts only, as the tests run
    return out;
}

// Mono 24-bit PCM; `extensible` writes it as sox does (format tag 0xFFFE with
// the PCM sub-format).
inline std::vector<uint8_t> pcm24(int rate, const std::vector<int>& samples, bool extensible) {
    std::vector<uint8_t> data;
    for (int s : samples)
        put(data, (uint32_t)s, 3);
    std::vector<uint8_t> extra;
    if (extensible) {
        put(extra, 24, 2); // valid bits
        put(extra, 4, 4);  // the front centre speaker
        // KSDATAFORMAT_SUBTYPE_PCM
        const uint8_t pcm[16] = {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xaa, 0, 0x38, 0x9b, 0x71};
        extra.insert(extra.end(), pcm, pcm + 16);
    }
    return file(extensible ? 0xFFFE : 1, 1, rate, 24, 3, extra, data);
}

// 32-bit float, interleaved.
inline std::vector<uint8_t> float32(int rate, int channels, const std::vector<float>& samples) {
    std::vector<uint8_t> data;
    for (float f : samples) {
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        put(data, bits, 4);
    }
    return file(3, channels, rate, 32, 4 * channels, {}, data);
}

// Mono mu-law, one code a sample.
inline std::vector<uint8_t> muLaw(int rate, const std::vector<uint8_t>& codes) {
    return file(7, 1, rate, 8, 1, {}, codes);
}

// Mono IMA ADPCM in 16-byte blocks of 25 samples: each block starts at `start`
// with the smallest step, and every nibble after it is 0, which keeps the value.
// `factFrames`, when not negative, is how many frames are real.
inline std::vector<uint8_t> imaAdpcm(int rate, int blocks, int16_t start, int factFrames = -1) {
    const int blockAlign = 16;
    std::vector<uint8_t> data;
    for (int b = 0; b < blocks; ++b) {
        put(data, (uint16_t)start, 2);
        put(data, 0, 2); // step index 0, reserved
        data.insert(data.end(), blockAlign - 4, 0);
    }
    std::vector<uint8_t> extra;
    put(extra, 25, 2); // samples a block: 1 in the header, 2 a byte after it
    return file(0x11, 1, rate, 4, blockAlign, extra, data, factFrames);
}

// 0.3 s at 8 kHz in each encoding, named: all 2400 frames at a level of 4660
// (mu-law has no code for it; 0xAD is 4604).
inline std::vector<std::pair<std::string, std::vector<uint8_t>>> otherProgramsSounds() {
    const int frames = 2400, rate = 8000;
    return {
        {"pcm24", pcm24(rate, std::vector<int>(frames, 0x123456), false)},
        {"pcm24-extensible", pcm24(rate, std::vector<int>(frames, 0x123456), true)},
        {"float32", float32(rate, 1, std::vector<float>(frames, 4660.0f / 32768.0f))},
        {"mu-law", muLaw(rate, std::vector<uint8_t>(frames, 0xAD))},
        {"ima-adpcm", imaAdpcm(rate, frames / 25, 4660)},
    };
}

} // namespace wav_encodings
