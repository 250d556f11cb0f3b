#include "platform/bmp_decode.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>

namespace {
constexpr size_t fileHeaderSize = 14;

uint16_t le16(const uint8_t* p) {
    return (uint16_t)(p[0] | p[1] << 8);
}
uint32_t le32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

bool knownHeaderSize(uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// The bit depths each compression allows.
bool validDepth(uint32_t compression, int bits) {
    switch (compression) {
    case bmpRgb:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case bmpRle8:
        return bits == 8;
    case bmpRle4:
        return bits == 4;
    case bmpBitfields:
    case bmpAlphaBitfields:
        return bits == 16 || bits == 32;
    default:
        return false; // JPEG, PNG and the printer formats
    }
}

// Reads the width, height, depth, compression and masks of the information
// header; false on a size, depth or compression that is not a picture we read.
bool readInfoHeader(const uint8_t* data, size_t size, BmpHeader& h) {
    const uint8_t* info = data + fileHeaderSize;
    int64_t height = 0;
    if (h.headerSize == 12) {
        h.width = le16(info + 4);
        height = le16(info + 6);
        h.bitsPerPixel = le16(info + 10);
        h.compression = bmpRgb;
        h.paletteEntrySize = 3;
    } else {
        h.width = (int32_t)le32(info + 4);
        height = (int32_t)le32(info + 8);
        h.bitsPerPixel = le16(info + 14);
        h.compression = le32(info + 16);
    }
    h.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (h.width <= 0 || height <= 0 || h.width > maxBmpSide || height > maxBmpSide) return false;
    h.height = (int)height;
    if ((int64_t)h.width * h.height > maxBmpPixels) return false;
    if (!validDepth(h.compression, h.bitsPerPixel)) return false;
    // Compressed rows are stored bottom-up only.
    if (h.topDown && (h.compression == bmpRle4 || h.compression == bmpRle8)) return false;

    size_t afterHeader = fileHeaderSize + (size_t)h.headerSize;
    if (h.compression == bmpBitfields || h.compression == bmpAlphaBitfields) {
        // The 40-byte header keeps its masks after itself; the longer ones hold
        // them (the 52-byte one without alpha).
        const uint8_t* masks = info + 40;
        int count = h.headerSize >= 56 ? 4 : 3;
        if (h.headerSize == 40) {
            count = h.compression == bmpAlphaBitfields ? 4 : 3;
            if (afterHeader + 4 * (size_t)count > size) return false;
            afterHeader += 4 * (size_t)count;
        }
        for (int i = 0; i < count; ++i)
            h.masks[i] = le32(masks + 4 * i);
    } else if (h.bitsPerPixel == 16) {
        h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F, h.masks[3] = 0;
    } else if (h.bitsPerPixel == 32) {
        h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF, h.masks[3] = 0xFF000000;
    }
    h.paletteOffset = afterHeader;
    return true;
}

// Finds the palette: as many entries as the header says (all that the depth
// allows when it says 0), no more than fit before the pixels.
bool placePalette(const uint8_t* data, size_t size, BmpHeader& h) {
    if (h.bitsPerPixel > 8) return true;
    int64_t entries = (int64_t)1 << h.bitsPerPixel;
    if (h.headerSize > 12) {
        uint32_t used = le32(data + fileHeaderSize + 32);
        if (used != 0 && used < (uint32_t)entries) entries = used;
    }
    if (h.dataOffset > h.paletteOffset)
        entries = std::min<int64_t>(entries, (h.dataOffset - h.paletteOffset) / h.paletteEntrySize);
    else
        entries = 0;
    if (h.paletteOffset + (size_t)entries * (size_t)h.paletteEntrySize > size) return false;
    h.paletteEntries = (int)entries;
    return true;
}

size_t rowStride(const BmpHeader& h) {
    return ((size_t)h.width * (size_t)h.bitsPerPixel + 31) / 32 * 4;
}

// Uncompressed rows must all be there; only the last row's padding may be
// missing.
bool rowsFit(size_t size, const BmpHeader& h) {
    size_t lastRowBytes = ((size_t)h.width * (size_t)h.bitsPerPixel + 7) / 8;
    return h.dataOffset <= size &&
           size - h.dataOffset >= rowStride(h) * (size_t)(h.height - 1) + lastRowBytes;
}

// One channel of a bit-mask pixel format, widened to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t top = 0; // the largest value the channel holds

    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        shift = std::countr_zero(m);
        top = m >> shift;
    }
    uint32_t operator()(uint32_t pixel) const {
        if (!top) return 0;
        uint64_t v = (pixel & mask) >> shift;
        return (uint32_t)((v * 255 + top / 2) / top);
    }
};

constexpr uint32_t opaque = 0xFF000000;

using Palette = std::array<uint32_t, 256>;

Palette readPalette(const uint8_t* data, const BmpHeader& h) {
    Palette palette;
    palette.fill(opaque); // indices past the palette show black
    for (int i = 0; i < h.paletteEntries; ++i) {
        const uint8_t* e = data + h.paletteOffset + (size_t)i * (size_t)h.paletteEntrySize;
        palette[(size_t)i] = opaque | (uint32_t)e[2] << 16 | (uint32_t)e[1] << 8 | e[0];
    }
    return palette;
}

// The picture row that the file's `row`-th stored row fills.
int pictureRow(const BmpHeader& h, int row) {
    return h.topDown ? row : h.height - 1 - row;
}

bool decodeRows(const uint8_t* data, size_t size, const BmpHeader& h, BmpPicture& out) {
    if (!rowsFit(size, h)) return false;
    size_t stride = rowStride(h);
    Palette palette = readPalette(data, h);
    Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);
    bool alphaSeen = false;
    for (int row = 0; row < h.height; ++row) {
        const uint8_t* in = data + h.dataOffset + (size_t)row * stride;
        uint32_t* line = &out.pixels[(size_t)pictureRow(h, row) * (size_t)h.width];
        for (int x = 0; x < h.width; ++x) {
            uint32_t pixel = 0;
            switch (h.bitsPerPixel) {
            case 1:
                line[x] = palette[(in[x >> 3] >> (7 - (x & 7))) & 1];
                continue;
            case 4:
                line[x] = palette[(in[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
                continue;
            case 8:
                line[x] = palette[in[x]];
                continue;
            case 24:
                line[x] = opaque | (uint32_t)in[3 * x + 2] << 16 | (uint32_t)in[3 * x + 1] << 8 |
                          in[3 * x];
                continue;
            case 16:
                pixel = le16(in + 2 * x);
                break;
            default:
                pixel = le32(in + 4 * x);
                break;
            }
            uint32_t a = alpha(pixel);
            alphaSeen = alphaSeen || a != 0;
            line[x] = a << 24 | red(pixel) << 16 | green(pixel) << 8 | blue(pixel);
        }
    }
    // An alpha channel that is zero everywhere is not meant as one.
    if (h.bitsPerPixel >= 16 && !alphaSeen)
        for (uint32_t& p : out.pixels)
            p |= opaque;
    return true;
}

// Run-length encoded rows: pairs of (count, index) for runs; (0, 0) ends a row,
// (0, 1) the picture, (0, 2, dx, dy) moves on; (0, n) is followed by n literal
// indices, padded to an even number of bytes. RLE4 runs alternate the two
// nibbles of their byte. Pixels the stream never sets stay transparent; pixels
// beyond the right edge are dropped.
bool decodeRle(const uint8_t* data, size_t size, const BmpHeader& h, BmpPicture& out) {
    Palette palette = readPalette(data, h);
    bool nibbles = h.compression == bmpRle4;
    int x = 0, row = 0;
    auto put = [&](int index) {
        if (x < h.width)
            out.pixels[(size_t)pictureRow(h, row) * (size_t)h.width + (size_t)x] =
                palette[(size_t)index];
        // Kept at the edge: a long stream of runs must not overflow it.
        x = std::min(x + 1, h.width);
    };
    size_t at = h.dataOffset;
    while (row < h.height) {
        if (at > size || size - at < 2) return false; // ends before its last row
        int count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < h.width; ++i)
                put(nibbles ? (i & 1 ? value & 15 : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (size - at < 2) return false;
            x = std::min(x + data[at], h.width);
            row += data[at + 1];
            at += 2;
        } else {
            size_t bytes = nibbles ? ((size_t)value + 1) / 2 : (size_t)value;
            if (size - at < bytes) return false;
            for (int i = 0; i < value && x < h.width; ++i)
                put(nibbles ? (i & 1 ? data[at + i / 2] & 15 : data[at + i / 2] >> 4)
                            : data[at + i]);
            at += bytes + (bytes & 1);
        }
    }
    return true;
}
} // namespace

bool readBmpHeader(const uint8_t* data, size_t size, BmpHeader& header) {
    header = BmpHeader();
    if (!data || size < fileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') return false;
    uint32_t headerSize = le32(data + fileHeaderSize);
    if (!knownHeaderSize(headerSize) || fileHeaderSize + headerSize > size) return false;
    header.headerSize = (int)headerSize;
    header.dataOffset = le32(data + 10);
    if (!readInfoHeader(data, size, header)) return false;
    if (header.dataOffset < header.paletteOffset || header.dataOffset >= size) return false;
    if (!placePalette(data, size, header)) return false;
    bool rle = header.compression == bmpRle4 || header.compression == bmpRle8;
    return rle || rowsFit(size, header);
}

size_t bmpRowBytes(const BmpHeader& header) {
    return rowStride(header) * (size_t)header.height;
}

bool decodeBmp(const uint8_t* data, size_t size, BmpPicture& picture) {
    picture = BmpPicture();
    BmpHeader h;
    if (!readBmpHeader(data, size, h)) return false;
    BmpPicture out;
    out.width = h.width;
    out.height = h.height;
    out.pixels.assign((size_t)h.width * (size_t)h.height, 0);
    bool rle = h.compression == bmpRle4 || h.compression == bmpRle8;
    if (!(rle ? decodeRle(data, size, h, out) : decodeRows(data, size, h, out))) return false;
    picture = std::move(out);
    return true;
}

std::string describeBmp(const BmpHeader& h) {
    std::string text = std::to_string(h.bitsPerPixel) + "-bit";
    switch (h.compression) {
    case bmpRle8:
    case bmpRle4:
        text += " RLE";
        break;
    case bmpBitfields:
        text += " bitfields";
        break;
    case bmpAlphaBitfields:
        text += " alpha bitfields";
        break;
    default:
        text += h.bitsPerPixel <= 8 ? " palette" : " RGB";
        break;
    }
    if (h.bitsPerPixel <= 8) text += " of " + std::to_string(h.paletteEntries) + " colours";
    text += ", " + std::to_string(h.headerSize) + "-byte header, ";
    text += h.topDown ? "top-down" : "bottom-up";
    return text;
}
