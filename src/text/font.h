#pragma once

#include "platform/picture.h"

#include <cstdint>
#include <string>

// One rectangle of the glyph sheet: left, top and width (also the advance).
struct GlyphEntry {
    int16_t x = 0;
    int16_t y = 0;
    int16_t width = 0;
};

// The game's proportional bitmap font ("DATA\FONT.FNT" with its glyph sheet).
// A "$" and the byte after it draw an icon ("$C" the ball, "$D" gold).
class Font {
public:
    static constexpr int tableSize = 255;

    // Reads the glyph table; a missing, foreign or damaged file leaves the font
    // as it was, and `error` says why (for the caller to show).
    bool load(const char* path, std::string& error);
    void drawText(const char* text, int x, int y, Picture& picture) const;
    void drawTextCentered(const char* text, int y, Picture& picture) const;
    void drawTextRight(const char* text, int y, Picture& picture) const;
    int textWidth(const char* text) const;
    void destroySheet();

    Picture sheet;
    int16_t lineHeight = 0;
    int16_t glyphHeight = 0;
    int16_t spaceWidth = 0;
    GlyphEntry glyphs[tableSize];
    GlyphEntry icons[tableSize];

private:
    // The entry a symbol draws, or null when the text holds nothing drawable there.
    const GlyphEntry* entryAt(const char*& p) const;
};

extern Font gameFont;
