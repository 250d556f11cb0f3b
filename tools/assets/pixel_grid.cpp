#include "assets/pixel_grid.h"

#include "assets/palette.h"

bool readPixelGrid(const SourceFile& file, size_t& index, int width, int height, Image& out) {
    const auto& lines = file.lines();
    for (int y = 0; y < height; ++y, ++index) {
        if (index >= lines.size()) {
            sourceError(file.path(), lines.empty() ? 0 : lines.back().number,
                        "the grid ends after " + std::to_string(y) + " of " +
                            std::to_string(height) + " rows");
            return false;
        }
        std::string row = trim(lines[index].text);
        if (y == 0 && width == 0) width = (int)row.size();
        if (y == 0) out = Image(width, height);
        if ((int)row.size() != width) {
            sourceError(file.path(), lines[index].number,
                        "row is " + std::to_string(row.size()) + " pixels wide, expected " +
                            std::to_string(width));
            return false;
        }
        for (int x = 0; x < width; ++x) {
            Rgb c;
            if (!gamePalette().colour(row[x], c)) {
                sourceError(file.path(), lines[index].number,
                            std::string("'") + row[x] + "' is not a palette colour");
                return false;
            }
            out.set(x, y, c);
        }
    }
    return true;
}
