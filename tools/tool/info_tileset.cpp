// info --kind tileset: the tiles as the game's own tileset loader reads them.
#include "tool/data_path.h"
#include "tool/info.h"

#include "level/map.h"
#include "level/tileset.h"

namespace {
bool printTileset(const char* path, std::FILE* out) {
    std::string name = nameBelowData(path);
    TilesetFile file;
    if (!readTileset(name.c_str(), file)) return false;
    installTileset(file);
    std::fprintf(out, "tileset %s\ntiles %d\n", name.c_str(), currentMap.tileCount);
    for (int i = 0; i < currentMap.tileCount; ++i) {
        const TileObject& t = currentMap.tiles[i];
        const TilesetFile::Entry& e = file.entries[i];
        std::fprintf(out, "tile %d size %d x %d bitmap %s (%s) animation %s (%s)\n", i, t.width,
                     t.height, e.bitmapFile, t.bitmap ? "loaded" : "missing",
                     e.animationFile[0] ? e.animationFile : "none",
                     t.animation.loaded ? "loaded" : "default");
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("tileset", printTileset);
