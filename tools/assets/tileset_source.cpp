#include "assets/tileset_source.h"
#include "assets/content_folder.h"
#include "level/tileset_format.h"
#include "text/data_file.h"
#include "text/text_utils.h"

int TilesetSource::find(const std::string& name) const {
    for (size_t i = 0; i < tiles.size(); ++i)
        if (tiles[i].name == name) return (int)i;
    return -1;
}

bool readTilesetSource(const std::string& path, TilesetSource& tileset) {
    SourceFile file;
    if (!file.read(path)) return false;
    tileset.dataName = sourceStem(path, true) + ".TLS";
    tileset.tiles.clear();
    for (const SourceLine& here : file.lines()) {
        std::vector<std::string> words = splitWords(here.text);
        if (words.empty()) continue;
        TileSource tile;
        if (words.size() != 5 || !parseInt(words[3], tile.width) ||
            !parseInt(words[4], tile.height) || tile.width < 1 || tile.height < 1 ||
            tile.width > maxTileSize || tile.height > maxTileSize) {
            sourceError(path, here.number,
                        "expected NAME PICTURE ANIMATION|- WIDTH HEIGHT (sizes 1 to " +
                            std::to_string(maxTileSize) + ")");
            return false;
        }
        tile.name = words[0];
        tile.picture = words[1];
        tile.animation = words[2] == "-" ? "" : words[2];
        if (!checkTextFits(file, here.number, "the picture path", tile.picture, maxStringLength) ||
            !checkTextFits(file, here.number, "the animation path", tile.animation,
                           maxStringLength))
            return false;
        if (int other = tileset.find(tile.name); other >= 0) {
            sourceError(path, here.number,
                        "tile '" + tile.name + "' is already tile " + std::to_string(other));
            return false;
        }
        if ((int)tileset.tiles.size() == maxTiles) {
            sourceError(path, here.number, "too many tiles");
            return false;
        }
        tileset.tiles.push_back(tile);
    }
    return true;
}

bool findTilesetSource(const std::string& contentDir, const std::string& dataName,
                       TilesetSource& tileset) {
    for (const std::string& path : listSources(contentDir, "tilesets"))
        if (equalsIgnoreCase((sourceStem(path, true) + ".TLS").c_str(), dataName.c_str()))
            return readTilesetSource(path, tileset);
    return false;
}
