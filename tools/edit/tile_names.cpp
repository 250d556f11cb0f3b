#include "edit/tile_names.h"

#include "level/tileset_format.h"
#include "text/data_file.h"

#include <cctype>

std::string tileNameOfPicture(const std::string& picture) {
    size_t start = picture.find_last_of("\\/");
    std::string stem = picture.substr(start == std::string::npos ? 0 : start + 1);
    stem = stem.substr(0, stem.find('.'));
    size_t underscore = stem.rfind('_');
    if (underscore != std::string::npos) stem = stem.substr(underscore + 1);
    for (char& c : stem)
        c = (char)std::tolower((unsigned char)c);
    return stem;
}

bool readTileNames(const std::string& dataName, TilesetSource& tileset) {
    tileset = TilesetSource();
    DataReader in;
    TilesetFile file;
    if (!in.open(("DATA\\" + dataName).c_str()) || !readTilesetFile(in, file)) return false;
    tileset.dataName = dataName;
    for (const TilesetEntry& entry : file.entries) {
        TileSource tile;
        tile.name = tileNameOfPicture(entry.bitmapFile);
        tile.picture = entry.bitmapFile;
        tile.animation = entry.animationFile;
        tile.width = entry.width;
        tile.height = entry.height;
        tileset.tiles.push_back(tile);
    }
    return true;
}
