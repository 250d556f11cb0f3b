#pragma once

#include "assets/image.h"

#include <map>
#include <string>

// The one palette of the whole game: a character for each colour, "." the mask.
class Palette {
public:
    bool load(const std::string& path);
    // The colour of a grid character; false when the palette has none.
    bool colour(char key, Rgb& out) const;

private:
    std::map<char, Rgb> colours;
};

// The shared palette, loaded by the driver before any compiler runs.
const Palette& gamePalette();
bool loadGamePalette(const std::string& contentDir);
