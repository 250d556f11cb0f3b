#include "text/font.h"

#include "text/data_file.h"
#include "text/message_screen.h"
#include "text/text_pool.h"

#include <allegro.h>
#include <cstring>

Font gameFont;

namespace {
// A font defines at most one entry per code; anything much larger is damage.
constexpr int32_t maxEntries = 4096;
} // namespace

bool Font::load(const char* path) {
    DataReader in(path);
    if (!in.isOpen()) {
        showError(joinText("Unable to load FONT: ", path));
        return false;
    }
    char magic[6];
    in.readBytes(magic, 6);
    if (in.failed() || std::memcmp(magic, fontMagic, 6) != 0) {
        showError(joinText("This is not a valid FONT: ", path));
        return false;
    }
    // Parse into a copy so that a damaged file changes nothing.
    Font parsed = *this;
    parsed.glyphHeight = (int16_t)readInt32(in);
    parsed.spaceWidth = (int16_t)readInt32(in);
    parsed.lineHeight = (int16_t)readInt32(in);
    int32_t count = readInt32(in);
    bool valid = !in.failed() && count >= 0 && count <= maxEntries;
    for (int32_t i = 0; valid && i < count; ++i) {
        int32_t code = readInt32(in);
        GlyphEntry e;
        e.x = (int16_t)readInt32(in);
        e.y = (int16_t)readInt32(in);
        e.width = (int16_t)readInt32(in);
        if (in.failed() || code < 0 || code > fontMaxCode || e.width < 0) {
            valid = false;
            break;
        }
        if (code <= fontIconBase)
            parsed.glyphs[code] = e;
        else
            parsed.icons[code - fontIconBase] = e;
    }
    if (!valid) {
        showError(joinText("This is not a valid FONT: ", path));
        return false;
    }
    BITMAP* keepSheet = sheet;
    *this = parsed;
    sheet = keepSheet;
    return true;
}

const GlyphEntry* Font::entryAt(const char*& p) const {
    unsigned char c = (unsigned char)*p;
    if (c == '$') {
        // A "$" at the very end has no icon to name: it draws nothing.
        unsigned char icon = (unsigned char)p[1];
        if (icon == '\0') return nullptr;
        ++p;
        return icon < tableSize ? &icons[icon] : nullptr;
    }
    // Bytes are taken unsigned, so text above 127 stays inside the table.
    return c < tableSize ? &glyphs[c] : nullptr;
}

void Font::drawText(const char* text, int x, int y, BITMAP* bitmap) const {
    if (!text || !bitmap) return;
    int penX = x, penY = y;
    for (const char* p = text; *p; ++p) {
        if (*p == '\n') {
            penY += lineHeight;
            penX = x;
        } else if (*p == ' ') {
            penX += spaceWidth;
        } else if (const GlyphEntry* e = entryAt(p)) {
            if (sheet && e->width > 0 && glyphHeight > 0)
                masked_blit(sheet, bitmap, e->x, e->y, penX, penY, e->width, glyphHeight);
            penX += e->width;
        }
    }
}

int Font::textWidth(const char* text) const {
    if (!text) return 0;
    int width = 0;
    for (const char* p = text; *p; ++p) {
        if (*p == ' ')
            width += spaceWidth;
        else if (const GlyphEntry* e = entryAt(p))
            width += e->width; // a line feed counts as glyph 10, usually 0
    }
    return width;
}

void Font::drawTextCentered(const char* text, int y, BITMAP* bitmap) const {
    if (!bitmap) return;
    drawText(text, (bitmap->w - textWidth(text)) / 2, y, bitmap);
}

void Font::drawTextRight(const char* text, int y, BITMAP* bitmap) const {
    if (!bitmap) return;
    drawText(text, bitmap->w - textWidth(text) - 2, y, bitmap);
}

void Font::destroySheet() {
    if (sheet) destroy_bitmap(sheet);
    sheet = nullptr;
}
