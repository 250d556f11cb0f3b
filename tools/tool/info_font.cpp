// info --kind font: the glyph table as the game's own font reader reads it.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "text/data_file.h"
#include "text/font_format.h"

#include <map>

namespace {
void printEntry(std::FILE* out, const char* kind, const char* prefix, int code,
                const FontFileEntry& e) {
    if (code > ' ' && code < 127)
        std::fprintf(out, "%s %s%c x %d y %d width %d\n", kind, prefix, code, e.x, e.y, e.width);
    else
        std::fprintf(out, "%s #%d x %d y %d width %d\n", kind, code, e.x, e.y, e.width);
}

bool printFont(const char* path, std::FILE* out) {
    DataReader in;
    FontFile font;
    if (!openCommandLineFile(path, in) || !readFontFile(in, font)) return false;
    std::fprintf(out, "font %s\nheight %d\nspace %d\nline %d\n", path, font.glyphHeight,
                 font.spaceWidth, font.lineHeight);
    // As the game keeps them: by code, a later entry for a code winning.
    std::map<int, FontFileEntry> byCode;
    for (const FontFileEntry& e : font.entries)
        byCode[e.code] = e;
    for (const auto& [code, e] : byCode)
        if (code <= fontIconBase) printEntry(out, "glyph", "", code, e);
    for (const auto& [code, e] : byCode)
        if (code > fontIconBase) printEntry(out, "icon", "$", code - fontIconBase, e);
    return true;
}
} // namespace

REGISTER_INFO_KIND("font", printFont);
