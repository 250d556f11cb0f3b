// info --kind font: the glyph table as the game's own loader reads it.
#include "tool/info.h"

#include "text/font.h"

namespace {
// One line per defined entry; printable characters are shown as themselves.
void printTable(const GlyphEntry* table, const char* kind, const char* prefix, std::FILE* out) {
    for (int code = 0; code < Font::tableSize; ++code) {
        const GlyphEntry& g = table[code];
        if (g.width == 0 && g.x == 0 && g.y == 0) continue;
        if (code > ' ' && code < 127)
            std::fprintf(out, "%s %s%c x %d y %d width %d\n", kind, prefix, code, g.x, g.y,
                         g.width);
        else
            std::fprintf(out, "%s #%d x %d y %d width %d\n", kind, code, g.x, g.y, g.width);
    }
}

bool printFont(const char* path, std::FILE* out) {
    Font font;
    if (!font.load(path)) return false;
    std::fprintf(out, "font %s\nheight %d\nspace %d\nline %d\n", path, font.glyphHeight,
                 font.spaceWidth, font.lineHeight);
    printTable(font.glyphs, "glyph", "", out);
    printTable(font.icons, "icon", "$", out);
    return true;
}
} // namespace

REGISTER_INFO_KIND("font", printFont);
