#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The ".WAV" files of the sound effects: RIFF WAVE, uncompressed PCM. The one
// place that spells out their headers, for the sound layer, the asset compiler
// and the tests.

// Turns the bytes of a ".WAV" file into interleaved 16-bit stereo frames at
// `outputRate`, so the mixer only ever adds one format. Accepts uncompressed
// PCM, 8 or 16 bits, mono or stereo, at any rate; anything else, or a file
// shorter than its headers claim, gives false and leaves `frames` empty.
bool decodeWav(const uint8_t* data, size_t size, int outputRate, std::vector<int16_t>& frames);

// A PCM ".WAV" file of interleaved `samples`, each stored in bits / 8 bytes,
// little-endian; the values and sizes are written as given, so a test can also
// make files that the decoder must refuse.
std::vector<uint8_t> encodeWav(int rate, int channels, int bits, const std::vector<int>& samples);
