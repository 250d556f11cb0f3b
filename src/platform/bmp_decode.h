#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The ".BMP" variants that painting programs write, read from bytes in memory:
// the old 12-byte core header and the 40, 52, 56, 108 and 124-byte headers;
// 1, 4 and 8 bits per pixel through a palette, also run-length encoded (RLE4,
// RLE8); 16 and 32 bits through bit masks (the 555 default or BI_BITFIELDS /
// BI_ALPHABITFIELDS); 24 bits; rows stored bottom-up or top-down. Every read is
// checked against the size of the buffer; a short, damaged or absurd file is
// refused.

// Far beyond any picture of the game; a header asking for more is damage.
constexpr int maxBmpSide = 16384;
constexpr int64_t maxBmpPixels = int64_t(1) << 24;

enum BmpCompression : uint32_t {
    bmpRgb = 0,
    bmpRle8 = 1,
    bmpRle4 = 2,
    bmpBitfields = 3,
    bmpAlphaBitfields = 6,
};

// What the headers say, checked against the size of the file.
struct BmpHeader {
    int headerSize = 0;        // 12, 40, 52, 56, 108 or 124
    int width = 0, height = 0; // height as a positive number of rows
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = bmpRgb;
    // Red, green, blue, alpha: where each channel sits in a 16 or 32-bit pixel.
    uint32_t masks[4] = {};
    size_t paletteOffset = 0;
    int paletteEntries = 0;   // 0 above 8 bits per pixel
    int paletteEntrySize = 4; // 3 with the core header
    size_t dataOffset = 0;
};

bool readBmpHeader(const uint8_t* data, size_t size, BmpHeader& header);
// The bytes of the rows of an uncompressed picture, padding included (the last
// row's padding may be missing from a file).
size_t bmpRowBytes(const BmpHeader& header);

// A decoded picture: 0xAARRGGBB, the top row first. Alpha is 255 unless the file
// carries an alpha channel that is used (a channel that is zero everywhere is
// taken as unused, as many programs write it so); pixels an RLE picture skips
// have alpha 0.
struct BmpPicture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[(size_t)y * (size_t)width + (size_t)x]; }
};

bool decodeBmp(const uint8_t* data, size_t size, BmpPicture& picture);

// "8-bit RLE, 40-byte header, bottom-up": how the file is stored, for people.
std::string describeBmp(const BmpHeader& header);
