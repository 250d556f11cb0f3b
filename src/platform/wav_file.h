#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The ".WAV" files of the sound effects: RIFF WAVE. The game's own are
// uncompressed 16-bit PCM, written here; a modder's sound editor may write
// others, which SDL decodes.

// Turns the bytes of a ".WAV" file into interleaved 16-bit stereo frames at
// `outputRate`, so the mixer only ever adds one format. Accepts what SDL's WAV
// loader reads (PCM of 8, 16, 24 or 32 bits, 32-bit float, IMA and Microsoft
// ADPCM, mu-law, A-law), mono or stereo, at 1 to 384 kHz, up to maxWavSeconds
// long; anything else, or a file shorter than its headers claim, gives false
// and leaves `frames` empty.
constexpr int maxWavSeconds = 600;
bool decodeWav(const uint8_t* data, size_t size, int outputRate, std::vector<int16_t>& frames);

// A PCM ".WAV" file of interleaved `samples`, each stored in bits / 8 bytes,
// little-endian; the values and sizes are written as given, so a test can also
// make files that the decoder must refuse.
std::vector<uint8_t> encodeWav(int rate, int channels, int bits, const std::vector<int>& samples);
