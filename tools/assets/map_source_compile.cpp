// A stage source compiled into the map file's record: the tiles named, the cells
// turned into blocks, and every limit of the map format checked, so that a
// source that compiles also loads.
#include "assets/content_folder.h"
#include "assets/map_source.h"
#include "assets/source_file.h"

#include <fstream>
#include <sstream>

namespace {
constexpr int minWidth = 20, minHeight = 15; // one screen: the camera needs it

bool failed(SourceFault& fault, int line, const std::string& message) {
    fault = {line, message};
    return false;
}

int tileIndex(const TilesetSource& tileset, const std::string& tile) {
    int index = tileset.find(tile);
    if (index >= 0 || !parseInt(tile, index)) return index;
    return index >= 0 && index < (int)tileset.tiles.size() ? index : -1;
}
} // namespace

bool compileStageSource(const StageSource& s, const TilesetSource& tileset, MapFile& map,
                        SourceFault& fault) {
    map = MapFile();
    map.name = s.name;
    map.musicFile = s.tune;
    map.tilesetFile = s.tileset;
    map.backgroundFile = s.background;
    map.timeCode = s.timeCode;
    std::vector<MapBlockRecord> legend(256);
    for (const StageKey& key : s.keys) {
        MapBlockRecord& b = legend[(unsigned char)key.letter];
        b.type = key.type;
        b.tileIndex = tileIndex(tileset, key.tile);
        if (b.tileIndex < 0 && s.hasTileset)
            return failed(fault, key.line, "tile '" + key.tile + "' is not in " + s.tileset);
        b.solid = key.solid ? 1 : 0;
        b.bonusCode = key.bonus;
        if (key.type == blockBounce) b.param1 = key.rise;
    }
    map.width = s.grid.empty() ? 0 : (int)s.grid[0].size();
    map.height = (int)s.grid.size();
    std::vector<const StageKey*> placedKeys;
    for (int y = 0; y < map.height; ++y) {
        const std::string& row = s.grid[y];
        for (int x = 0; x < (int)row.size() && x < map.width; ++x) {
            char c = row[x];
            if (c == '.' || c == ' ') continue;
            const StageKey* key = s.key(c);
            if (!key)
                return failed(fault, s.gridLine + 1 + y,
                              std::string("letter '") + c + "' in column " + std::to_string(x) +
                                  " has no key");
            MapBlockRecord b = legend[(unsigned char)c];
            b.cellX = x;
            b.cellY = y;
            map.blocks.push_back(b);
            placedKeys.push_back(key);
        }
    }
    if (!s.hasName || !s.hasTune || !s.hasTileset || !s.hasBackground || !s.hasTime ||
        !s.hasStart || !s.gridLine)
        return failed(fault, 0,
                      "a map needs name, tune, tileset, background, time, start and grid");
    if (map.width < minWidth || map.height < minHeight || map.width > maxMapCells ||
        map.height > maxMapCells)
        return failed(fault, 0,
                      "the grid is " + std::to_string(map.width) + " x " +
                          std::to_string(map.height) + " cells; at least 20 x 15 (one screen), " +
                          "at most " + std::to_string(maxMapCells) + " each way");
    map.startX = s.startInPixels ? s.startX : s.startX * 16;
    map.startY = s.startInPixels ? s.startY : s.startY * 16;
    if (map.startX < 0 || map.startY < 0 || map.startX >= map.width * 16 ||
        map.startY >= map.height * 16)
        return failed(fault, s.startLine, "the start lies outside the map");
    bool hasGoal = false;
    // Actors start with "last marker" 0, so block 0 must not be a turn marker:
    // the markers go last, in the order of the cells.
    std::vector<MapBlockRecord> ordered;
    ordered.reserve(map.blocks.size());
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < map.blocks.size(); ++i) {
            MapBlockRecord b = map.blocks[i];
            if ((b.type == blockTurnMarker) != (pass == 1)) continue;
            const StageKey& key = *placedKeys[i];
            if (key.type == blockTeleport) {
                if (key.targetX < 0 || key.targetY < 0 || key.targetX >= map.width ||
                    key.targetY >= map.height)
                    return failed(fault, key.line, "the teleport target lies outside the map");
                b.param1 = key.targetX * 16;
                b.param2 = key.targetY * 16;
            }
            hasGoal = hasGoal || b.type == blockGoal;
            ordered.push_back(b);
        }
    map.blocks = std::move(ordered);
    if (!hasGoal) return failed(fault, 0, "the map has no goal block");
    if ((int32_t)map.blocks.size() > maxMapBlocks)
        return failed(fault, 0,
                      std::to_string(map.blocks.size()) + " blocks; a map holds at most " +
                          std::to_string(maxMapBlocks));
    if ((int32_t)s.enemies.size() > maxMapEnemies)
        return failed(fault, 0,
                      std::to_string(s.enemies.size()) + " enemies; a map holds at most " +
                          std::to_string(maxMapEnemies));
    for (const StageEnemy& e : s.enemies) {
        if (e.cellX < 0 || e.cellY < 0 || e.cellX >= map.width || e.cellY >= map.height)
            return failed(fault, e.line, "the enemy stands outside the map");
        MapEnemyRecord r;
        r.cellX = e.cellX;
        r.cellY = e.cellY + 2; // the file counts two rows below the enemy's cell
        r.kind = e.kind;
        r.direction = e.direction;
        r.maxSpeed = e.speed;
        r.acceleration = e.accel;
        r.maxFallSpeed = e.fall;
        r.jumpStrength = e.jump;
        r.jumper = e.jump > 0;
        map.enemies.push_back(r);
    }
    return true;
}

bool readMapSource(const std::string& contentDir, const std::string& path, MapFile& map) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        sourceError(path, 0, "cannot be read");
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    StageSource source;
    std::vector<SourceFault> faults;
    parseStageSource(text.str(), source, faults);
    if (!faults.empty()) {
        sourceError(path, faults[0].line, faults[0].message);
        return false;
    }
    TilesetSource tileset;
    if (source.hasTileset && !findTilesetSource(contentDir, source.tileset, tileset)) {
        sourceError(path, source.tilesetLine,
                    "no tileset source under content/tilesets builds " + source.tileset);
        return false;
    }
    SourceFault fault;
    if (!compileStageSource(source, tileset, map, fault)) {
        sourceError(path, fault.line, fault.message);
        return false;
    }
    return true;
}
