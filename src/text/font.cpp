#include "text/font.h"

#include "text/data_file.h"
#include "text/font_format.h"
#include "text/text_pool.h"

#include <algorithm>
#include <cstring>
#include <memory>

Font gameFont;

bool Font::load(const char* path, std::string& error) {
    DataReader in(path);
    if (!in.isOpen()) {
        error = joinText("Unable to load FONT: ", path);
        return false;
    }
    FontFile file;
    if (!readFontFile(in, file)) {
        error = joinText("This is not a valid FONT: ", path);
        return false;
    }
    // Built in a copy, so the font stays as it was until the file is whole; a
    // later entry for a code wins.
    auto parsed = std::make_unique<Font>();
    std::copy(std::begin(glyphs), std::end(glyphs), parsed->glyphs);
    std::copy(std::begin(icons), std::end(icons), parsed->icons);
    parsed->glyphHeight = (int16_t)file.glyphHeight;
    parsed->spaceWidth = (int16_t)file.spaceWidth;
    parsed->lineHeight = (int16_t)file.lineHeight;
    for (const FontFileEntry& f : file.entries) {
        GlyphEntry e;
        e.x = (int16_t)f.x;
        e.y = (int16_t)f.y;
        e.width = (int16_t)f.width;
        if (f.code <= fontIconBase)
            parsed->glyphs[f.code] = e;
        else
            parsed->icons[f.code - fontIconBase] = e;
    }
    glyphHeight = parsed->glyphHeight;
    spaceWidth = parsed->spaceWidth;
    lineHeight = parsed->lineHeight;
    std::copy(std::begin(parsed->glyphs), std::end(parsed->glyphs), glyphs);
    std::copy(std::begin(parsed->icons), std::end(parsed->icons), icons);
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

void Font::drawText(const char* text, int x, int y, Picture& picture) const {
    if (!text || !picture) return;
    int penX = x, penY = y;
    for (const char* p = text; *p; ++p) {
        if (*p == '\n') {
            penY += lineHeight;
            penX = x;
        } else if (*p == ' ') {
            penX += spaceWidth;
        } else if (const GlyphEntry* e = entryAt(p)) {
            if (sheet && e->width > 0 && glyphHeight > 0)
                drawMasked(sheet, picture, e->x, e->y, penX, penY, e->width, glyphHeight);
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

void Font::drawTextCentered(const char* text, int y, Picture& picture) const {
    drawText(text, (picture.width() - textWidth(text)) / 2, y, picture);
}

void Font::drawTextRight(const char* text, int y, Picture& picture) const {
    drawText(text, picture.width() - textWidth(text) - 2, y, picture);
}

void Font::destroySheet() {
    sheet.reset();
}
