#include "assets/scene_letters.h"

#include "assets/source_file.h"

bool Letters::load(const std::string& path) {
    SourceFile file;
    if (!file.read(path)) return false;
    glyphs.clear();
    rowCount = 0;
    Glyph* current = nullptr;
    int currentLine = 0;
    auto close = [&]() {
        if (!current) return true;
        if (current->rows.empty() || (rowCount && (int)current->rows.size() != rowCount)) {
            sourceError(path, currentLine, "every letter needs the same number of rows");
            return false;
        }
        rowCount = (int)current->rows.size();
        return true;
    };
    for (const SourceLine& line : file.lines()) {
        std::string text = trim(line.text);
        if (text.empty() || text[0] == '#') continue;
        if (text.rfind("glyph ", 0) == 0) {
            if (!close()) return false;
            std::string name = trim(text.substr(6));
            if (name.size() != 1 || glyphs.count(name[0])) {
                sourceError(path, line.number, "glyph needs one new character");
                return false;
            }
            current = &glyphs[name[0]];
            currentLine = line.number;
            continue;
        }
        if (!current || text.find_first_not_of("X.") != std::string::npos ||
            (!current->rows.empty() && text.size() != current->rows[0].size())) {
            sourceError(path, line.number,
                        "expected a row of X and . as wide as the letter's first");
            return false;
        }
        current->rows.push_back(text);
    }
    return close();
}

const Glyph* Letters::find(char c) const {
    auto it = glyphs.find(c);
    return it == glyphs.end() ? nullptr : &it->second;
}
