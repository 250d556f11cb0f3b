#include "platform/wav_file.h"

#include <SDL.h>

namespace {
// What SDL hands back, in the sample formats its WAV loader produces: PCM as
// it is (24 bits widened to 32), float, and the compressed encodings (ADPCM,
// mu-law, A-law) decoded to 16 bits.
struct DecodedWav {
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ~DecodedWav() { SDL_FreeWAV(buffer); }
};

int bytesPerSample(SDL_AudioFormat format) {
    switch (format) {
    case AUDIO_U8:
        return 1;
    case AUDIO_S16LSB:
        return 2;
    case AUDIO_S32LSB:
    case AUDIO_F32LSB:
        return 4;
    default:
        return 0;
    }
}

// One source sample of channel `c` at frame `i`, as a signed 16-bit value.
int sourceSample(const DecodedWav& wav, size_t i, int c) {
    size_t index = i * wav.spec.channels + (size_t)c;
    const Uint8* at = wav.buffer + index * (size_t)bytesPerSample(wav.spec.format);
    switch (wav.spec.format) {
    case AUDIO_U8:
        return ((int)*at - 128) * 256; // 8-bit WAV is unsigned
    case AUDIO_S16LSB:
        return (int16_t)(at[0] | at[1] << 8);
    case AUDIO_S32LSB:
        return (int32_t)((uint32_t)at[0] | (uint32_t)at[1] << 8 | (uint32_t)at[2] << 16 |
                         (uint32_t)at[3] << 24) >>
               16;
    default: {
        float f;
        SDL_memcpy(&f, at, sizeof f);
        // Full scale is -1 to 1; a file may hold louder values, or no number.
        if (!(f > -1.0f)) return f < 0 ? -32768 : 0;
        return f >= 1.0f ? 32767 : (int)(f * 32768.0f);
    }
    }
}

bool decodeWithSdl(const uint8_t* data, size_t size, DecodedWav& wav) {
    if (size < 12 || size > (size_t)INT32_MAX) return false;
    // A file cut short is refused, as every reader of outside data does, rather
    // than played up to the cut. The RIFF header's own size is not trusted:
    // programs that write as they record leave it wrong, and the chunks are
    // looked for up to the end of the file.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    SDL_SetHint(SDL_HINT_WAVE_RIFF_CHUNK_SIZE, "ignore");
    // A compressed sound fills its last block up; the "fact" chunk, where
    // there is one, tells how many frames are real.
    SDL_SetHint(SDL_HINT_WAVE_FACT_CHUNK, "truncate");
    SDL_RWops* in = SDL_RWFromConstMem(data, (int)size);
    if (!in || !SDL_LoadWAV_RW(in, 1, &wav.spec, &wav.buffer, &wav.length)) return false;
    // Our checks on what SDL returns: a format we convert, mono or stereo, a
    // sensible rate and at least one whole frame.
    int frameBytes = bytesPerSample(wav.spec.format) * wav.spec.channels;
    return frameBytes > 0 && (wav.spec.channels == 1 || wav.spec.channels == 2) &&
           wav.spec.freq >= 1000 && wav.spec.freq <= 384000 && wav.length >= (Uint32)frameBytes;
}
} // namespace

bool decodeWav(const uint8_t* data, size_t size, int outputRate, std::vector<int16_t>& frames) {
    frames.clear();
    DecodedWav wav;
    if (outputRate <= 0 || !decodeWithSdl(data, size, wav)) return false;
    size_t sourceFrames =
        wav.length / (size_t)(bytesPerSample(wav.spec.format) * wav.spec.channels);

    // Linear interpolation between neighbouring source frames: simple, and
    // plenty for short effects made at 8 to 48 kHz. (SDL's audio stream would
    // drop the end of a sound when it changes the rate.)
    double step = (double)wav.spec.freq / outputRate;
    // Whole numbers, so that a sound keeps its length to the frame.
    size_t outFrames =
        (size_t)((uint64_t)sourceFrames * (uint64_t)outputRate / (uint64_t)wav.spec.freq);
    if (outFrames == 0) outFrames = 1;
    // Longer than any effect could be: a slow rate or a packed encoding must
    // not make a small file fill the memory.
    if (outFrames > (size_t)outputRate * maxWavSeconds) return false;
    frames.resize(outFrames * 2);
    for (size_t i = 0; i < outFrames; ++i) {
        double where = (double)i * step;
        size_t a = (size_t)where;
        if (a >= sourceFrames) a = sourceFrames - 1;
        size_t b = a + 1 < sourceFrames ? a + 1 : a;
        double t = where - (double)a;
        for (int c = 0; c < 2; ++c) {
            int source = wav.spec.channels == 2 ? c : 0;
            double v = sourceSample(wav, a, source) * (1.0 - t) + sourceSample(wav, b, source) * t;
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
