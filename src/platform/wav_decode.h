#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Turns the bytes of a ".WAV" file into interleaved 16-bit stereo frames at
// `outputRate`, so the mixer only ever adds one format. Accepts uncompressed
// PCM, 8 or 16 bits, mono or stereo, at any rate; anything else, or a file
// shorter than its headers claim, gives false and leaves `frames` empty.
bool decodeWav(const uint8_t* data, size_t size, int outputRate, std::vector<int16_t>& frames);
