#pragma once

#include "level/animation.h"
#include "level/tileset_format.h"
#include "platform/picture.h"

#include <cstdint>

// One tile of a stage's tileset: a picture strip of width x height frames and an
// optional animation stepping through it.
struct TileObject {
    Picture bitmap;
    Animation animation;
    int32_t width = 0;
    int32_t height = 0;
};

// Reads "DATA\" + fileName with the loader's log lines; a missing or damaged
// file is reported and gives false.
bool readTileset(const char* fileName, TilesetFile& out);
// Replaces the tiles of `currentMap` with those of `file`: destroys the old
// pictures and animations, then loads the new ones.
void installTileset(const TilesetFile& file);
// Reads and installs; on failure the old tileset stays.
bool loadTileset(const char* fileName);
