#pragma once

#include "assets/image.h"
#include "assets/source_file.h"

#include <map>
#include <utility>

// A sprite sheet drawn as text (content/bitmaps/**/*.pix): frames of one size by
// (column, row). The format is described in pixel_art_compiler.cpp.
struct PixelArtSheet {
    int frameWidth = 0, frameHeight = 0;
    std::map<std::pair<int, int>, Image> frames; // (column, row) -> picture
};

// Reports "file:line: what" and returns false on a mistake.
bool readPixelArtSheet(const SourceFile& file, PixelArtSheet& sheet);
