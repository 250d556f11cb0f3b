// content/tilesets/<name>.txt -> "DATA\<NAME>.TLS": the pictures that a map's
// blocks refer to by index, one line per tile (the format is in tileset_source.h):
//
//   top   BITMAP\TILES\TROP_TOP.BMP   -               16 16
//   goal  BITMAP\TILES\TROP_GOAL.BMP  DATA\TILE4.ANM  16 16
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/tileset_source.h"
#include "level/tileset_format.h"
#include "text/data_file.h"

namespace {
bool compileTileset(const std::string& path) {
    TilesetSource tileset;
    if (!readTilesetSource(path, tileset)) return false;
    std::string target = "DATA\\" + tileset.dataName;
    DataWriter out;
    if (!out.open(target.c_str())) {
        sourceError(path, 0, "cannot write " + target);
        return false;
    }
    TilesetFile file;
    for (const TileSource& tile : tileset.tiles)
        file.entries.push_back({tile.picture, tile.animation, tile.width, tile.height});
    writeTilesetFile(out, file);
    if (!out.commit()) {
        sourceError(path, 0, "cannot write " + target);
        return false;
    }
    return true;
}

bool compileTilesets(const std::string& contentDir) {
    bool ok = true;
    for (const std::string& path : listSources(contentDir, "tilesets"))
        ok = compileTileset(path) && ok;
    return ok;
}
} // namespace

REGISTER_COMPILER("tilesets", compileTilesets);
