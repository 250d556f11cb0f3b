// info --kind tileset: the tiles as the game's own tileset reader reads them,
// their pictures and animations loaded from the game's data tree.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "level/map.h"
#include "level/tileset.h"
#include "text/data_file.h"

namespace {
bool printTileset(const char* path, std::FILE* out) {
    DataReader in;
    TilesetFile file;
    if (!openCommandLineFile(path, in) || !readTilesetFile(in, file)) return false;
    installTileset(file);
    std::fprintf(out, "tileset %s\ntiles %d\n", path, currentMap.tileCount);
    for (int i = 0; i < currentMap.tileCount; ++i) {
        const TileObject& t = currentMap.tiles[i];
        const TilesetEntry& e = file.entries[i];
        std::fprintf(out, "tile %d size %d x %d bitmap %s (%s) animation %s (%s)\n", i, t.width,
                     t.height, e.bitmapFile.c_str(), t.bitmap ? "loaded" : "missing",
                     e.animationFile.empty() ? "none" : e.animationFile.c_str(),
                     t.animation.loaded ? "loaded" : "default");
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("tileset", printTileset);
