#include "assets/palette.h"

#include "assets/source_file.h"

#include <cstdlib>

namespace {
Palette shared;

bool parseHexColour(const std::string& text, Rgb& out) {
    if (text.size() != 7 || text[0] != '#') return false;
    for (size_t i = 1; i < 7; ++i)
        if (!std::isxdigit((unsigned char)text[i])) return false;
    unsigned long v = std::strtoul(text.c_str() + 1, nullptr, 16);
    out = {(uint8_t)(v >> 16), (uint8_t)(v >> 8), (uint8_t)v};
    return true;
}
} // namespace

bool Palette::load(const std::string& path) {
    SourceFile file;
    if (!file.read(path)) return false;
    colours.clear();
    colours['.'] = maskColour;
    bool ok = true;
    for (const SourceLine& line : file.lines()) {
        std::vector<std::string> words = splitWords(line.text);
        if (words.empty()) continue;
        Rgb c;
        if (words.size() < 2 || words[0].size() != 1 || !parseHexColour(words[1], c)) {
            sourceError(path, line.number, "expected a character and a colour #rrggbb");
            ok = false;
        } else if (words[0][0] == '.' || c == maskColour) {
            sourceError(path, line.number, "the mask colour and \".\" are reserved");
            ok = false;
        } else if (colours.count(words[0][0])) {
            sourceError(path, line.number, "character '" + words[0] + "' is defined twice");
            ok = false;
        } else {
            colours[words[0][0]] = c;
        }
    }
    return ok;
}

bool Palette::colour(char key, Rgb& out) const {
    auto it = colours.find(key);
    if (it == colours.end()) return false;
    out = it->second;
    return true;
}

const Palette& gamePalette() {
    return shared;
}

bool loadGamePalette(const std::string& contentDir) {
    return shared.load(contentDir + "/palette.txt");
}
