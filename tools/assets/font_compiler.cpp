// content/font/font.txt -> "DATA\FONT.FNT" and "BITMAP\GENERAL\FONT.BMP".
//
//   height 11        every glyph's height in pixels
//   space 3          advance of a space
//   line 12          distance between lines
//   glyph A          then `height` rows of palette characters: the glyph "A"
//   icon C           likewise the icon drawn by "$C"
#include "assets/compiler.h"
#include "assets/image.h"
#include "assets/pixel_grid.h"
#include "assets/source_file.h"
#include "text/data_file.h"
#include "text/font_format.h"

#include <map>

namespace {
struct FontGlyph {
    int code;
    Image picture;
    int x = 0, y = 0;
};

constexpr int sheetWidth = 256;

bool compileFont(const std::string& contentDir) {
    SourceFile file;
    if (!file.read(contentDir + "/font/font.txt")) return false;
    int height = 0, space = -1, line = -1;
    std::map<int, int> definedAt; // code -> line, to refuse duplicates
    std::vector<FontGlyph> glyphs;
    const auto& lines = file.lines();
    bool ok = true;
    for (size_t i = 0; i < lines.size();) {
        std::vector<std::string> words = splitWords(lines[i].text);
        const SourceLine& here = lines[i];
        ++i;
        if (words.empty()) continue;
        const std::string& key = words[0];
        int value = 0;
        if (key == "height" || key == "space" || key == "line") {
            if (words.size() != 2 || !parseInt(words[1], value) || value < 0 || value > 64) {
                sourceError(file.path(), here.number, key + " needs a number from 0 to 64");
                return false;
            }
            (key == "height" ? height : key == "space" ? space : line) = value;
            continue;
        }
        if (key != "glyph" && key != "icon") {
            sourceError(file.path(), here.number, "unknown word '" + key + "'");
            return false;
        }
        if (height <= 0) {
            sourceError(file.path(), here.number, "height must come before the first glyph");
            return false;
        }
        // The character is the text after the keyword and one space ("glyph #" works).
        std::string rest = here.text.substr(key.size());
        if (rest.size() != 2 || rest[0] != ' ' || (unsigned char)rest[1] <= ' ' ||
            (unsigned char)rest[1] > 126) {
            sourceError(file.path(), here.number, key + " needs exactly one printable character");
            return false;
        }
        int code = (unsigned char)rest[1] + (key == "icon" ? fontIconBase : 0);
        if (definedAt.count(code)) {
            sourceError(file.path(), here.number,
                        key + " " + rest.substr(1) + " is already defined on line " +
                            std::to_string(definedAt[code]));
            ok = false;
        }
        definedAt[code] = here.number;
        FontGlyph g{code, {}};
        if (!readPixelGrid(file, i, 0, height, g.picture)) return false;
        glyphs.push_back(std::move(g));
    }
    if (!ok) return false;
    if (space < 0 || line < 0) {
        sourceError(file.path(), 0, "space and line must be given");
        return false;
    }
    // Pack the glyphs into rows of the sheet, one pixel apart.
    int x = 0, y = 0;
    for (FontGlyph& g : glyphs) {
        if (x + g.picture.width() > sheetWidth) {
            x = 0;
            y += height + 1;
        }
        g.x = x;
        g.y = y;
        x += g.picture.width() + 1;
    }
    Image sheet(sheetWidth, y + height);
    sheet.fill(maskColour);
    for (const FontGlyph& g : glyphs)
        sheet.paste(g.picture, g.x, g.y);
    if (!writeBmp(sheet, "BITMAP\\GENERAL\\FONT.BMP")) {
        sourceError(file.path(), 0, "cannot write BITMAP/GENERAL/FONT.BMP");
        return false;
    }
    DataWriter out;
    if (!out.open("DATA\\FONT.FNT")) return false;
    FontFile font{height, space, line, {}};
    for (const FontGlyph& g : glyphs)
        font.entries.push_back({g.code, g.x, g.y, g.picture.width()});
    writeFontFile(out, font);
    if (!out.commit()) {
        sourceError(file.path(), 0, "cannot write DATA/FONT.FNT");
        return false;
    }
    return true;
}
} // namespace

REGISTER_COMPILER("font", compileFont);
