#pragma once

// ".BMP" files built field by field in memory, in the variants painting programs
// write, and a buffer that faults on any read past its end.
#include "platform/bmp_decode.h"

#include <cstdint>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

struct BmpFile {
    int headerSize = 40;
    int32_t width = 0, height = 0; // a negative height stores the rows top-down
    int bits = 24;
    uint32_t compression = bmpRgb;
    std::vector<uint32_t> palette; // 0xRRGGBB
    uint32_t coloursUsed = 0;
    // Written after a 40-byte header, into a longer one.
    std::vector<uint32_t> masks;
    std::vector<uint8_t> pixels; // as stored

    std::vector<uint8_t> bytes() const {
        std::vector<uint8_t> out;
        auto u16 = [&](uint32_t v) {
            out.push_back((uint8_t)v);
            out.push_back((uint8_t)(v >> 8));
        };
        auto u32 = [&](uint32_t v) {
            u16(v & 0xFFFF);
            u16(v >> 16);
        };
        size_t entry = headerSize == 12 ? 3 : 4;
        size_t extra = headerSize == 40 ? masks.size() * 4 : 0;
        uint32_t offset = (uint32_t)(14 + headerSize + extra + palette.size() * entry);
        out.push_back('B');
        out.push_back('M');
        u32(offset + (uint32_t)pixels.size());
        u32(0);
        u32(offset);
        u32((uint32_t)headerSize);
        if (headerSize == 12) {
            u16((uint32_t)width);
            u16((uint32_t)height);
            u16(1);
            u16((uint32_t)bits);
        } else {
            u32((uint32_t)width);
            u32((uint32_t)height);
            u16(1);
            u16((uint32_t)bits);
            u32(compression);
            u32((uint32_t)pixels.size());
            u32(2835);
            u32(2835);
            u32(coloursUsed);
            u32(0);
            for (uint32_t m : masks)
                u32(m);
            while (out.size() < 14 + (size_t)headerSize)
                out.push_back(0); // colour space fields: unused
        }
        for (uint32_t c : palette) {
            out.push_back((uint8_t)c);
            out.push_back((uint8_t)(c >> 8));
            out.push_back((uint8_t)(c >> 16));
            if (entry == 4) out.push_back(0);
        }
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

// Stored rows of `bits`-bit values, each padded to four bytes. 24-bit values are
// 0xRRGGBB, written blue first.
inline std::vector<uint8_t> packRows(int bits, const std::vector<std::vector<uint32_t>>& rows) {
    std::vector<uint8_t> out;
    for (const std::vector<uint32_t>& row : rows) {
        std::vector<uint8_t> line((row.size() * (size_t)bits + 31) / 32 * 4, 0);
        for (size_t x = 0; x < row.size(); ++x) {
            uint32_t v = row[x];
            if (bits < 8)
                line[x * bits / 8] |= (uint8_t)(v << (8 - bits - x * bits % 8));
            else
                for (int b = 0; b < bits / 8; ++b)
                    line[x * bits / 8 + b] = (uint8_t)(v >> (8 * b));
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

// The default of a painting program: a 124-byte header and bit masks with alpha,
// 32 bits a pixel; `rows` of 0xAARRGGBB as stored, bottom row first.
inline BmpFile v5File(const std::vector<std::vector<uint32_t>>& rows) {
    BmpFile f;
    f.headerSize = 124;
    f.bits = 32;
    f.compression = bmpBitfields;
    f.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    f.width = (int32_t)rows[0].size();
    f.height = (int32_t)rows.size();
    f.pixels = packRows(32, rows);
    return f;
}

// A copy of some bytes that ends exactly at an unreadable page, so that any read
// past the end faults at once, in any build.
class GuardedBytes {
public:
    explicit GuardedBytes(const std::vector<uint8_t>& bytes, size_t size) {
        size_t page = (size_t)sysconf(_SC_PAGESIZE);
        dataPages = (size + page - 1) / page * page;
        if (dataPages == 0) dataPages = page;
        void* base = mmap(nullptr, dataPages + page, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        region = (uint8_t*)base;
        mprotect(region + dataPages, page, PROT_NONE);
        start = region + dataPages - size;
        if (size) std::memcpy(start, bytes.data(), size);
        length = size;
        total = dataPages + page;
    }
    explicit GuardedBytes(const std::vector<uint8_t>& bytes) : GuardedBytes(bytes, bytes.size()) {}
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;
    ~GuardedBytes() { munmap(region, total); }
    const uint8_t* data() const { return start; }
    size_t size() const { return length; }

private:
    uint8_t* region = nullptr;
    uint8_t* start = nullptr;
    size_t dataPages = 0, total = 0, length = 0;
};
