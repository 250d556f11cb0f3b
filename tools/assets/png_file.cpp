#include "assets/png_file.h"

#include <cstdio>
#include <vector>
#include <zlib.h>

namespace {
void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((uint8_t)(v >> shift));
}

void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    put32(out, (uint32_t)data.size());
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uint32_t crc = (uint32_t)crc32(0, out.data() + start, (uInt)(out.size() - start));
    put32(out, crc);
}
} // namespace

bool writePng(const Image& image, const std::string& path) {
    std::vector<uint8_t> raw;
    raw.reserve((size_t)image.height() * (1 + 4 * (size_t)image.width()));
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < image.width(); ++x) {
            Rgb c = image.at(x, y);
            bool clear = c == maskColour;
            raw.insert(raw.end(), {clear ? (uint8_t)0 : c.r, clear ? (uint8_t)0 : c.g,
                                   clear ? (uint8_t)0 : c.b, clear ? (uint8_t)0 : (uint8_t)255});
        }
    }
    uLongf packedSize = compressBound((uLong)raw.size());
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), (uLong)raw.size(), 9) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> header;
    put32(header, (uint32_t)image.width());
    put32(header, (uint32_t)image.height());
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", {});
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}
