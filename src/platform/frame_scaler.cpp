#include "platform/frame_scaler.h"

#include <allegro.h>
#include <allegro/internal/aintern.h>
#include <cstring>

namespace {
constexpr int pageWidth = 320;
constexpr int pageHeight = 240;

// One page row enlarged into the first of its target rows. The common scales get
// the factor as a constant, so that the inner loop unrolls; 0 means `factor`.
template <typename Pixel, int Factor>
void widen(const uint16_t* source, Pixel* target, const uint32_t* table, int factor) {
    int repeat = Factor ? Factor : factor;
    for (int x = 0; x < pageWidth; ++x) {
        Pixel p = (Pixel)table[source[x]];
        for (int k = 0; k < repeat; ++k)
            *target++ = p;
    }
}

template <typename Pixel>
void widenBy(const uint16_t* source, Pixel* target, const uint32_t* table, int factor) {
    switch (factor) {
    case 2:
        widen<Pixel, 2>(source, target, table, factor);
        break;
    case 3:
        widen<Pixel, 3>(source, target, table, factor);
        break;
    case 4:
        widen<Pixel, 4>(source, target, table, factor);
        break;
    default:
        widen<Pixel, 0>(source, target, table, factor);
        break;
    }
}

// Packed 24-bit pixels: three bytes each, low byte first, as the library keeps them.
void widen24(const uint16_t* source, uint8_t* target, const uint32_t* table, int factor) {
    for (int x = 0; x < pageWidth; ++x) {
        uint32_t p = table[source[x]];
        for (int k = 0; k < factor; ++k) {
            target[0] = (uint8_t)p;
            target[1] = (uint8_t)(p >> 8);
            target[2] = (uint8_t)(p >> 16);
            target += 3;
        }
    }
}

// Every 16-bit colour goes through the library's own converter, the one its X
// driver applied to a 16-bit screen on a deeper desktop (its greens differ by one
// here and there from getg16), so the window shows exactly what it showed before.
// That converter reads 5-6-5 pixels with red on top and writes 0xRRGGBB, while the
// pages use whatever layout the mode gave 16-bit bitmaps; hence the repacking.
void makeTable(int depth, std::vector<uint32_t>& table) {
    table.resize(65536);
    if (depth == 16) {
        for (int c = 0; c < 65536; ++c)
            table[c] = (uint32_t)c;
        return;
    }
    std::vector<uint16_t> packed(65536);
    for (int c = 0; c < 65536; ++c) {
        int r = (c >> _rgb_r_shift_16) & 0x1F;
        int g = (c >> _rgb_g_shift_16) & 0x3F;
        int b = (c >> _rgb_b_shift_16) & 0x1F;
        packed[c] = (uint16_t)(r << 11 | g << 5 | b);
    }
    std::vector<uint32_t> rgb(65536);
    COLORCONV_BLITTER_FUNC* convert = _get_colorconv_blitter(16, 32);
    if (convert) {
        GRAPHICS_RECT from = {256, 256, 256 * 2, packed.data()};
        GRAPHICS_RECT to = {256, 256, 256 * 4, rgb.data()};
        convert(&from, &to);
        _release_colorconv_blitter(convert);
    } else {
        for (int c = 0; c < 65536; ++c)
            rgb[c] = (uint32_t)(_rgb_scale_5[packed[c] >> 11] << 16 |
                                _rgb_scale_6[(packed[c] >> 5) & 0x3F] << 8 |
                                _rgb_scale_5[packed[c] & 0x1F]);
    }
    for (int c = 0; c < 65536; ++c) {
        uint32_t v = rgb[c];
        table[c] = (uint32_t)makecol_depth(depth, (int)(v >> 16) & 0xFF, (int)(v >> 8) & 0xFF,
                                           (int)v & 0xFF);
    }
}
} // namespace

bool FrameScaler::prepare(int depth) {
    if (depth != 16 && depth != 24 && depth != 32) return false;
    targetDepth = depth;
    makeTable(depth, table);
    shownTarget = nullptr;
    return true;
}

void FrameScaler::scale(BITMAP* page, BITMAP* target) {
    if (!page || !target || bitmap_color_depth(page) != 16 || page->w < pageWidth ||
        page->h < pageHeight || bitmap_color_depth(target) != targetDepth)
        return;
    int factor = target->w / pageWidth;
    if (factor < 1 || target->h < pageHeight * factor) return;
    // A menu or a message changes few rows, if any, from one frame to the next.
    bool known = target == shownTarget;
    shownRows.resize(pageWidth * pageHeight);
    shownTarget = target;
    const uint32_t* colours = table.data();
    int rowBytes = pageWidth * factor * ((targetDepth + 7) / 8);
    for (int y = 0; y < pageHeight; ++y) {
        const uint16_t* source = (const uint16_t*)page->line[y];
        uint16_t* shown = &shownRows[y * pageWidth];
        if (known && std::memcmp(shown, source, pageWidth * 2) == 0) continue;
        std::memcpy(shown, source, pageWidth * 2);
        unsigned char* first = target->line[y * factor];
        switch (targetDepth) {
        case 32:
            widenBy<uint32_t>(source, (uint32_t*)first, colours, factor);
            break;
        case 24:
            widen24(source, first, colours, factor);
            break;
        default:
            widenBy<uint16_t>(source, (uint16_t*)first, colours, factor);
            break;
        }
        for (int k = 1; k < factor; ++k)
            std::memcpy(target->line[y * factor + k], first, rowBytes);
    }
}
