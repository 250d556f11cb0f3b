#include "level/tileset.h"

#include "level/map.h"
#include "platform/bitmap_file.h"
#include "platform/log.h"
#include "text/data_file.h"
#include "text/text_pool.h"
#include "ui/message_screen.h"

namespace {
void destroyTiles() {
    for (int32_t i = 0; currentMap.tiles && i < currentMap.tileCount; ++i) {
        currentMap.tiles[i].bitmap.reset();
        currentMap.tiles[i].animation.release();
    }
    currentMap.tiles.reset();
    currentMap.tileCount = 0;
}
} // namespace

bool readTileset(const char* fileName, TilesetFile& out) {
    // This heading stands one level deeper than the map's own lines.
    gameLog.indentMore();
    gameLog.write(joinText("Loading tileset: ", fileName));
    DataReader in;
    // A damaged file is refused like a missing one: the tiles in play stay.
    if (!in.open(joinText("DATA\\", fileName)) || !readTilesetFile(in, out)) {
        out.entries.clear();
        gameLog.write("Cannot load tileset!");
        showMessage("LOAD TILESET ERROR", joinText("Unable to load TILESET: ", fileName));
        gameLog.indentLess();
        return false;
    }
    gameLog.indentLess();
    return true;
}

void installTileset(const TilesetFile& file) {
    gameLog.indentMore();
    destroyTiles();
    int32_t count = (int32_t)file.entries.size();
    currentMap.tiles = std::make_unique<TileObject[]>(count);
    currentMap.tileCount = count;
    for (int32_t i = 0; i < count; ++i) {
        const TilesetEntry& e = file.entries[i];
        TileObject& tile = currentMap.tiles[i];
        // A missing picture is not reported: the tile draws nothing but collides.
        tile.bitmap = loadBitmap(e.bitmapFile.c_str());
        if (!e.animationFile.empty()) tile.animation.load(e.animationFile.c_str());
        tile.width = e.width;
        tile.height = e.height;
    }
    gameLog.indentLess();
}

bool loadTileset(const char* fileName) {
    TilesetFile file;
    if (!readTileset(fileName, file)) return false;
    installTileset(file);
    return true;
}
