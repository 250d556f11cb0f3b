#pragma once

#include "assets/image.h"
#include "assets/source_file.h"

#include <cstddef>

// Reads `height` lines starting at lines()[index] as a grid of palette characters
// into an image. With width 0 the first line sets the width. Advances index past
// the grid; reports and returns false on a ragged line or an unknown character.
bool readPixelGrid(const SourceFile& file, size_t& index, int width, int height, Image& out);
