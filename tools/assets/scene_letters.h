#pragma once

#include <map>
#include <string>
#include <vector>

// Block letters for the text layer, drawn as small grids of "X" (filled) and
// "." (empty) that the layer scales up and rounds. All letters share a height.
struct Glyph {
    std::vector<std::string> rows;
    int width() const { return rows.empty() ? 0 : (int)rows[0].size(); }
    bool filled(int x, int y) const {
        return y >= 0 && y < (int)rows.size() && x >= 0 && x < width() && rows[y][x] == 'X';
    }
};

class Letters {
public:
    // "glyph A" then the rows of the letter; reports "file:line: ..." on errors.
    bool load(const std::string& path);
    const Glyph* find(char c) const;
    int height() const { return rowCount; }

private:
    std::map<char, Glyph> glyphs;
    int rowCount = 0;
};
