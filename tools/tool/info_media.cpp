// info for the ordinary files of the data tree: pictures, sound effects, tunes.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "platform/bitmap_file.h"
#include "platform/bmp_decode.h"
#include "platform/file_bytes.h"
#include "platform/wav_file.h"

#include <libopenmpt/libopenmpt.h>
#include <string>

namespace {
// Sound files are small; anything far larger is not one of ours.
constexpr long maxMediaBytes = 64L << 20;

bool readWholeFile(const char* path, std::vector<uint8_t>& bytes, long maxBytes = maxMediaBytes) {
    return readFileBytes(commandLineFile(path), maxBytes, bytes);
}

// Through the game's own picture loader, with how the file is stored.
bool printBitmap(const char* path, std::FILE* out) {
    std::vector<uint8_t> bytes;
    BmpHeader header;
    if (!readWholeFile(path, bytes, maxBitmapFileBytes) ||
        !readBmpHeader(bytes.data(), bytes.size(), header))
        return false;
    Picture picture = bitmapFromBmp(bytes.data(), bytes.size());
    if (!picture) return false;
    long masked = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            masked += pixelAt(picture, x, y) == transparentColour();
    std::fprintf(out, "bitmap %s\nformat %s\nsize %dx%d\nmask pixels %ld\n", path,
                 describeBmp(header).c_str(), picture.width(), picture.height(), masked);
    return true;
}

bool printSound(const char* path, std::FILE* out) {
    std::vector<uint8_t> bytes;
    std::vector<int16_t> frames;
    if (!readWholeFile(path, bytes) || !decodeWav(bytes.data(), bytes.size(), 44100, frames))
        return false;
    int peak = 0;
    for (int16_t s : frames)
        peak = std::max(peak, s < 0 ? -(int)s : (int)s);
    std::fprintf(out, "sound %s\nseconds %.3f\npeak %d\n", path, frames.size() / 2 / 44100.0, peak);
    return true;
}

bool printMusic(const char* path, std::FILE* out) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes)) return false;
    openmpt_module* module = openmpt_module_create_from_memory2(
        bytes.data(), bytes.size(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!module) return false;
    const char* title = openmpt_module_get_metadata(module, "title");
    const char* type = openmpt_module_get_metadata(module, "type");
    std::fprintf(out,
                 "music %s\ntitle %s\ntype %s\nchannels %d\norders %d\npatterns %d\n"
                 "instruments %d\nsamples %d\nseconds %.2f\n",
                 path, title, type, openmpt_module_get_num_channels(module),
                 openmpt_module_get_num_orders(module), openmpt_module_get_num_patterns(module),
                 openmpt_module_get_num_instruments(module), openmpt_module_get_num_samples(module),
                 openmpt_module_get_duration_seconds(module));
    openmpt_free_string(title);
    openmpt_free_string(type);
    openmpt_module_destroy(module);
    return true;
}
} // namespace

REGISTER_INFO_KIND("bitmap", printBitmap);
REGISTER_INFO_KIND("sound", printSound);
REGISTER_INFO_KIND("music", printMusic);
