// info --kind font: the glyph table as the game's own loader reads it.
#include "tool/info.h"

#include "text/font.h"

namespace {
bool printFont(const char* path, std::FILE* out) {
    Font font;
    if (!font.load(path)) return false;
    std::fprintf(out, "font %s\nheight %d\nspace %d\nline %d\n", path, font.glyphHeight,
                 font.spaceWidth, font.lineHeight);
    for (int code = 0; code < Font::tableSize; ++code) {
        const GlyphEntry& g = font.glyphs[code];
        if (g.width == 0 && g.x == 0 && g.y == 0) continue;
        if (code > ' ' && code < 127)
            std::fprintf(out, "glyph %c x %d y %d width %d\n", code, g.x, g.y, g.width);
        else
            std::fprintf(out, "glyph #%d x %d y %d width %d\n", code, g.x, g.y, g.width);
    }
    for (int code = 0; code < Font::tableSize; ++code) {
        const GlyphEntry& g = font.icons[code];
        if (g.width == 0 && g.x == 0 && g.y == 0) continue;
        if (code > ' ' && code < 127)
            std::fprintf(out, "icon $%c x %d y %d width %d\n", code, g.x, g.y, g.width);
        else
            std::fprintf(out, "icon #%d x %d y %d width %d\n", code, g.x, g.y, g.width);
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("font", printFont);
