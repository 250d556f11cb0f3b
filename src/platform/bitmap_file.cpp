#include "platform/bitmap_file.h"

#include "platform/bmp_decode.h"
#include "platform/file_bytes.h"
#include "platform/paths.h"

#include <allegro.h>
#include <cstdio>
#include <vector>

namespace {
// The classic pictures (the 12 or 40-byte header, 1, 4, 8 or 24 bits per pixel
// uncompressed, bottom-up, a full palette right before the pixels, every row
// whole) go to Allegro's own loader, which the game has always used for them.
// The headers have been checked first, so it never meets a size that does not
// fit the file; it reads rows in whole words, so it would read a last row
// without its padding past the end.
bool allegroReads(const BmpHeader& h, size_t size) {
    if (h.headerSize != 12 && h.headerSize != 40) return false;
    if (size - h.dataOffset < bmpRowBytes(h)) return false;
    if (h.compression != bmpRgb || h.topDown) return false;
    if (h.bitsPerPixel == 24) return h.dataOffset == h.paletteOffset;
    if (h.bitsPerPixel != 8 && h.bitsPerPixel != 4 && h.bitsPerPixel != 1) return false;
    return h.paletteEntries == 1 << h.bitsPerPixel &&
           h.dataOffset == h.paletteOffset + (size_t)h.paletteEntries * h.paletteEntrySize;
}

// Bytes in memory as an Allegro file, read only.
struct MemoryFile {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

int memoryClose(void*) {
    return 0;
}
int memoryGetc(void* user) {
    auto* f = (MemoryFile*)user;
    return f->at < f->size ? f->data[f->at++] : EOF;
}
int memoryUngetc(int c, void* user) {
    auto* f = (MemoryFile*)user;
    if (f->at == 0) return EOF;
    --f->at;
    return c;
}
long memoryRead(void* out, long n, void* user) {
    auto* f = (MemoryFile*)user;
    size_t count = n <= 0 ? 0 : std::min((size_t)n, f->size - f->at);
    std::copy(f->data + f->at, f->data + f->at + count, (uint8_t*)out);
    f->at += count;
    return (long)count;
}
int memoryPutc(int, void*) {
    return EOF;
}
long memoryWrite(const void*, long, void*) {
    return 0;
}
int memorySeek(void* user, int offset) {
    auto* f = (MemoryFile*)user;
    if (offset < 0 || (size_t)offset > f->size - f->at) return -1;
    f->at += (size_t)offset;
    return 0;
}
int memoryEof(void* user) {
    auto* f = (MemoryFile*)user;
    return f->at >= f->size;
}
int memoryError(void*) {
    return 0;
}

const PACKFILE_VTABLE memoryVtable = {memoryClose, memoryGetc, memoryUngetc, memoryRead, memoryPutc,
                                      memoryWrite, memorySeek, memoryEof,    memoryError};

BITMAP* loadWithAllegro(const uint8_t* data, size_t size) {
    MemoryFile file{data, size};
    PACKFILE* in = pack_fopen_vtable(&memoryVtable, &file);
    if (!in) return nullptr;
    BITMAP* picture = load_bmp_pf(in, nullptr);
    pack_fclose(in);
    return picture;
}

// Our own decoding, converted like Allegro converts: 8 bits per channel cut
// down to the frame's depth, zero alpha to the mask colour.
BITMAP* convert(const BmpPicture& picture) {
    int depth = get_color_depth() == 8 ? 16 : get_color_depth();
    BITMAP* out = create_bitmap_ex(depth, picture.width, picture.height);
    if (!out) return nullptr;
    int mask = bitmap_mask_color(out);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            uint32_t p = picture.at(x, y);
            int colour = p >> 24 == 0
                             ? mask
                             : makecol_depth(depth, (p >> 16) & 255, (p >> 8) & 255, p & 255);
            if (depth == 16)
                ((uint16_t*)out->line[y])[x] = (uint16_t)colour;
            else
                putpixel(out, x, y, colour);
        }
    return out;
}

} // namespace

Picture bitmapFromBmp(const uint8_t* data, size_t size) {
    BmpHeader header;
    if (!readBmpHeader(data, size, header)) return {};
    if (allegroReads(header, size)) return Picture::adopt(loadWithAllegro(data, size));
    BmpPicture picture;
    if (!decodeBmp(data, size, picture)) return {};
    return Picture::adopt(convert(picture));
}

Picture loadBitmapFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!readFileBytes(path, maxBitmapFileBytes, bytes)) return {};
    return bitmapFromBmp(bytes.data(), bytes.size());
}

Picture loadBitmap(const char* gamePath) {
    return loadBitmapFile(resolvePath(gamePath));
}

bool saveBitmapFile(const Picture& picture, const std::string& path) {
    return picture && save_bitmap(path.c_str(), picture.handle(), nullptr) == 0;
}
