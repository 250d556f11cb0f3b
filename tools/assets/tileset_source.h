#pragma once

#include "assets/source_file.h"

#include <string>
#include <vector>

// content/tilesets/<name>.txt: one line per tile, in index order:
//
//   NAME  PICTURE  ANIMATION|-  WIDTH HEIGHT
//
// Maps name their tiles, so the map compiler reads the same source.
struct TileSource {
    std::string name, picture, animation;
    int width = 0, height = 0;
};

struct TilesetSource {
    std::string dataName; // "TROPICAL.TLS", relative to DATA
    std::vector<TileSource> tiles;
    // The index of a tile named `name`, or -1.
    int find(const std::string& name) const;
};

bool readTilesetSource(const std::string& path, TilesetSource& tileset);

// Finds, among the tileset sources under contentDir, the one compiled to
// `dataName` (compared without regard to case) and reads it.
bool findTilesetSource(const std::string& contentDir, const std::string& dataName,
                       TilesetSource& tileset);
