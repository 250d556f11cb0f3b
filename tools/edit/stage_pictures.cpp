#include "edit/stage_pictures.h"
#include "edit/tile_names.h"

#include "assets/source_file.h"
#include "platform/bitmap_file.h"

bool StagePictures::load(const std::string& tileset, const std::string& background) {
    if (background != backgroundName) {
        backgroundName = background;
        backdrop = loadBitmap(("BITMAP\\BG\\" + background).c_str());
    }
    if (tileset == tilesetName) return !pictures.empty();
    tilesetName = tileset;
    pictures.clear();
    if (!readTileNames(tileset, names)) return false;
    for (const TileSource& t : names.tiles)
        pictures.push_back(loadBitmap(t.picture.c_str()));
    return true;
}

const Picture* StagePictures::tile(const std::string& tile) const {
    int index = names.find(tile);
    if (index < 0 && !parseInt(tile, index)) return nullptr;
    if (index < 0 || index >= (int)pictures.size() || !pictures[index]) return nullptr;
    return &pictures[index];
}
