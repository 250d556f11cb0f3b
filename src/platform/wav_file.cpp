#include "platform/wav_file.h"

#include <cstring>

namespace {
uint32_t le32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}
uint16_t le16(const uint8_t* p) {
    return (uint16_t)(p[0] | p[1] << 8);
}

struct PcmFormat {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

// One source sample of channel `c` at frame `i`, as a signed 16-bit value.
int sourceSample(const uint8_t* pcm, const PcmFormat& f, size_t i, int c) {
    size_t index = i * (size_t)f.channels + (size_t)c;
    if (f.bits == 8) return ((int)pcm[index] - 128) * 256; // 8-bit WAV is unsigned
    return (int16_t)le16(pcm + index * 2);
}

bool readFormat(const uint8_t* chunk, uint32_t size, PcmFormat& f) {
    if (size < 16 || le16(chunk) != 1) return false; // 1: plain PCM
    f.channels = le16(chunk + 2);
    f.rate = (int)le32(chunk + 4);
    f.bits = le16(chunk + 14);
    int blockAlign = le16(chunk + 12);
    return (f.channels == 1 || f.channels == 2) && (f.bits == 8 || f.bits == 16) &&
           f.rate >= 1000 && f.rate <= 384000 && blockAlign == f.channels * f.bits / 8;
}
} // namespace

bool decodeWav(const uint8_t* data, size_t size, int outputRate, std::vector<int16_t>& frames) {
    frames.clear();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return false;
    PcmFormat format;
    const uint8_t* pcm = nullptr;
    size_t pcmBytes = 0;
    for (size_t at = 12; at + 8 <= size;) {
        uint32_t chunkSize = le32(data + at + 4);
        const uint8_t* body = data + at + 8;
        if (chunkSize > size - at - 8) return false; // the file ends inside this chunk
        if (std::memcmp(data + at, "fmt ", 4) == 0 && !readFormat(body, chunkSize, format))
            return false;
        if (std::memcmp(data + at, "data", 4) == 0) {
            pcm = body;
            pcmBytes = chunkSize;
            break;
        }
        at += 8 + (size_t)chunkSize + (chunkSize & 1); // chunks are padded to even sizes
    }
    if (!pcm || format.channels == 0 || outputRate <= 0) return false;
    size_t sourceFrames = pcmBytes / (size_t)(format.channels * format.bits / 8);
    if (sourceFrames == 0) return false;

    // Linear interpolation between neighbouring source frames: simple, and
    // plenty for short effects made at 11 to 44 kHz.
    double step = (double)format.rate / outputRate;
    size_t outFrames = (size_t)((double)sourceFrames / step);
    if (outFrames == 0) outFrames = 1;
    frames.resize(outFrames * 2);
    for (size_t i = 0; i < outFrames; ++i) {
        double where = (double)i * step;
        size_t a = (size_t)where;
        if (a >= sourceFrames) a = sourceFrames - 1;
        size_t b = a + 1 < sourceFrames ? a + 1 : a;
        double t = where - (double)a;
        for (int c = 0; c < 2; ++c) {
            int source = format.channels == 2 ? c : 0;
            double v = sourceSample(pcm, format, a, source) * (1.0 - t) +
                       sourceSample(pcm, format, b, source) * t;
            frames[i * 2 + (size_t)c] = (int16_t)v;
        }
    }
    return true;
}

std::vector<uint8_t> encodeWav(int rate, int channels, int bits, const std::vector<int>& samples) {
    std::vector<uint8_t> out;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back((uint8_t)(v >> (8 * i)));
    };
    auto tag = [&](const char* s) {
        put((uint32_t)s[0] | (uint32_t)s[1] << 8 | (uint32_t)s[2] << 16 | (uint32_t)s[3] << 24, 4);
    };
    uint32_t dataBytes = (uint32_t)(samples.size() * (size_t)(bits / 8));
    tag("RIFF");
    put(4 + 8 + 16 + 8 + dataBytes + (dataBytes & 1), 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // plain PCM
    put((uint32_t)channels, 2);
    put((uint32_t)rate, 4);
    put((uint32_t)(rate * channels * bits / 8), 4);
    put((uint32_t)(channels * bits / 8), 2);
    put((uint32_t)bits, 2);
    tag("data");
    put(dataBytes, 4);
    for (int s : samples)
        put((uint32_t)s, bits / 8);
    if (dataBytes & 1) out.push_back(0); // chunks are padded to even sizes
    return out;
}
