#include "text/font.h"

#include "text/data_file.h"
#include "text/font_format.h"
#include "text/message_screen.h"
#include "text/text_pool.h"

#include <allegro.h>
#include <cstring>

Font gameFont;

bool Font::load(const char* path) {
    DataReader in(path);
    if (!in.isOpen()) {
        showError(joinText("Unable to load FONT: ", path));
        return false;
    }
    FontFile file;
    if (!readFontFile(in, file)) {
        showError(joinText("This is not a valid FONT: ", path));
        return false;
    }
    // Built in a copy, so the sheet stays; a later entry for a code wins.
    Font parsed = *this;
    parsed.glyphHeight = (int16_t)file.glyphHeight;
    parsed.spaceWidth = (int16_t)file.spaceWidth;
    parsed.lineHeight = (int16_t)file.lineHeight;
    for (const FontFileEntry& f : file.entries) {
        GlyphEntry e;
        e.x = (int16_t)f.x;
        e.y = (int16_t)f.y;
        e.width = (int16_t)f.width;
        if (f.code <= fontIconBase)
            parsed.glyphs[f.code] = e;
        else
            parsed.icons[f.code - fontIconBase] = e;
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
