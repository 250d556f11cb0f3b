// loadMap: reads a whole map file into temporaries, checks it against the
// tileset it will use, and only then replaces the stage in play.
#include "level/graphics.h"
#include "level/map.h"
#include "level/map_file.h"
#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "platform/log.h"
#include "text/data_file.h"
#include "text/message_screen.h"
#include "text/text_pool.h"
#include "text/text_utils.h"

#include <allegro.h>
#include <cstring>
#include <vector>

namespace {
// Bounds far beyond any real stage. They keep a damaged count from allocating
// wildly, and positions (16 x cell) and the time limit from overflowing.
constexpr int32_t maxMapCells = 1024;
constexpr int32_t maxBlocks = 32768;
constexpr int32_t maxEnemies = 1024;
constexpr int32_t maxCell = 1 << 20;
constexpr int32_t maxTimeCode = 100000;
// 30 x -3 + 90 = 0: no stage may start with less than no time.
constexpr int32_t minTimeCode = -3;

struct BlockRecord {
    int32_t cellX, cellY, type, param1, param2, param3, tileIndex, solid, bonusCode;
};

struct EnemyRecord {
    int32_t cellX, cellY, acceleration, jumpStrength, jumper, kind, maxSpeed, direction,
        maxFallSpeed;
};

struct MapFile {
    char name[mapTextCapacity] = {};
    char musicFile[mapTextCapacity] = {};
    char tilesetFile[mapTextCapacity] = {};
    char backgroundFile[mapBackgroundCapacity] = {};
    int32_t width = 0, height = 0, startX = 0, startY = 0, timeCode = 0;
    std::vector<BlockRecord> blocks;
    std::vector<EnemyRecord> enemies;
};

bool cellInRange(int32_t cell) { return cell >= -maxCell && cell <= maxCell; }

bool readBlocks(DataReader& in, MapFile& map) {
    int32_t count = readInt32(in);
    // The file's treasure count only repeats what the blocks say; it is
    // recounted from them below, so a wrong one cannot leave a treasure unset.
    readInt32(in);
    if (in.failed() || count < 0 || count > maxBlocks) return false;
    map.blocks.resize((size_t)count);
    for (BlockRecord& b : map.blocks) {
        for (int32_t* field : {&b.cellX, &b.cellY, &b.type, &b.param1, &b.param2, &b.param3,
                               &b.tileIndex, &b.solid, &b.bonusCode})
            *field = readInt32(in);
        if (in.failed() || !cellInRange(b.cellX) || !cellInRange(b.cellY)) return false;
    }
    return true;
}

bool readEnemies(DataReader& in, MapFile& map) {
    int32_t count = readInt32(in);
    if (in.failed() || count < 0 || count > maxEnemies) return false;
    map.enemies.resize((size_t)count);
    for (EnemyRecord& e : map.enemies) {
        e.cellX = readInt32(in);
        e.cellY = readInt32(in);
        e.acceleration = readInt32(in);
        e.jumpStrength = readInt32(in);
        readInt32(in); // two reserved values
        readInt32(in);
        e.jumper = readInt32(in);
        e.kind = readInt32(in);
        e.maxSpeed = readInt32(in);
        e.direction = readInt32(in);
        e.maxFallSpeed = readInt32(in);
        if (in.failed() || !cellInRange(e.cellX) || !cellInRange(e.cellY)) return false;
        // Only the three kinds have graphics and a behaviour.
        if (e.kind < 0 || e.kind > 2) return false;
    }
    return true;
}

// Everything after the magic. A text longer than its field or a short file fails
// the reader; a negative or absurd number fails here.
bool readMapFile(DataReader& in, MapFile& map) {
    readString(map.name, in, mapTextCapacity);
    readString(map.musicFile, in, mapTextCapacity);
    readString(map.tilesetFile, in, mapTextCapacity);
    readString(map.backgroundFile, in, mapBackgroundCapacity);
    map.width = readInt32(in);
    map.height = readInt32(in);
    map.startX = readInt32(in);
    map.startY = readInt32(in);
    map.timeCode = readInt32(in);
    if (in.failed()) return false;
    if (map.width < 1 || map.width > maxMapCells || map.height < 1 || map.height > maxMapCells)
        return false;
    if (map.timeCode < minTimeCode || map.timeCode > maxTimeCode) return false;
    return readBlocks(in, map) && readEnemies(in, map);
}

bool tilesFit(const MapFile& map, int32_t tileCount) {
    for (const BlockRecord& b : map.blocks)
        if (b.tileIndex < 0 || b.tileIndex >= tileCount) return false;
    return true;
}

// The background picture repeated side by side into one strip as wide as the
// map, so drawing it is one blit per frame.
void buildBackground(const MapFile& map) {
    destroyBitmap(currentMap.background);
    gameLog.write(joinText("Loading background: ", map.backgroundFile));
    BITMAP* picture = loadBitmap(joinText("BITMAP\\BG\\", map.backgroundFile));
    if (!picture) gameLog.write("Couldn't load BACKGROUND!");
    int stripWidth = map.width * 16;
    currentMap.background = create_bitmap(stripWidth, 240);
    if (currentMap.background) {
        // Black where there is no picture to show.
        clear_to_color(currentMap.background, makecol(0, 0, 0));
        for (int i = 0; picture && i < stripWidth / 320 + 1; ++i)
            blit(picture, currentMap.background, 0, 0, 320 * i, 0, 320, 240);
    }
    destroyBitmap(picture);
}

void buildBlocks(const MapFile& map) {
    int32_t treasures = 0;
    for (const BlockRecord& b : map.blocks)
        if (b.bonusCode > 0) ++treasures;
    currentMap.blockCount = (int32_t)map.blocks.size();
    currentMap.blocks = std::make_unique<BlockData[]>(map.blocks.size());
    currentMap.bonusCount = treasures;
    currentMap.bonuses.reset();
    if (treasures > 0) currentMap.bonuses = std::make_unique<Bonus[]>(treasures);
    currentMap.goldTotal = 0;
    int32_t next = 0;
    for (size_t i = 0; i < map.blocks.size(); ++i) {
        const BlockRecord& r = map.blocks[i];
        BlockData& block = currentMap.blocks[i];
        const TileObject& tile = currentMap.tiles[r.tileIndex];
        int32_t x = 16 * r.cellX, y = 16 * r.cellY;
        block.type = r.type;
        block.param1 = (float)r.param1;
        block.param2 = (float)r.param2;
        block.param3 = (float)r.param3;
        block.tileIndex = r.tileIndex;
        block.solidRect = {x, y + 1, tile.width, tile.height - 1, r.solid == 1};
        block.surfaceRect = {x, y, tile.width, 1, r.solid == 1};
        if (r.bonusCode > 0) {
            Bonus& bonus = currentMap.bonuses[next++];
            bonus.x = x + 4;
            bonus.y = (y + 1) - 15;
            bonus.kind = r.bonusCode - 1;
            bonus.active = true;
            if (r.bonusCode == 1) {
                bonus.image = goldSheet;
                bonus.sprite.setup(&goldAnimation, goldSheet, backBuffer, 16, 16);
                currentMap.goldTotal += 1;
            } else {
                bonus.image = cupSheet;
                bonus.sprite.setup(&cupAnimation, cupSheet, backBuffer, 11, 16);
            }
        }
        const Animation* animation = tile.animation.loaded ? &tile.animation : &defaultAnimation;
        block.sprite.setup(animation, tile.bitmap, backBuffer, tile.width, tile.height);
    }
}

void buildEnemies(const MapFile& map) {
    static const Animation* const animations[3] = {&enemyAnimations[0], &enemyAnimations[1],
                                                   &defaultAnimation};
    enemyCount = (int32_t)map.enemies.size();
    enemies.reset();
    if (enemyCount > 0) enemies = std::make_unique<Enemy[]>(map.enemies.size());
    for (int32_t i = 0; i < enemyCount; ++i) {
        const EnemyRecord& r = map.enemies[i];
        Enemy& enemy = enemies[i];
        enemy.x = (float)(16 * r.cellX);
        enemy.y = (float)(16 * (r.cellY - 2));
        enemy.startX = (int32_t)enemy.x;
        enemy.startY = (int32_t)enemy.y;
        enemy.acceleration = (float)r.acceleration * 0.01f;
        enemy.jumpStrength = r.jumpStrength;
        enemy.jumper = r.jumper;
        enemy.kind = r.kind;
        enemy.sprite.setup(animations[r.kind], enemySheets[r.kind], backBuffer, 16, 16);
        enemy.maxSpeed = (float)r.maxSpeed * 0.01f;
        enemy.direction = r.direction;
        enemy.startDirection = r.direction;
        enemy.maxFallSpeed = (float)r.maxFallSpeed * 0.01f;
        enemy.active = true;
        enemy.hullBox = {0, 0, 16, 14, true};
        enemy.feetProbe = {0, 14, 16, 1, true};
    }
}

// Replaces the stage in play with a map that has passed every check.
void commitMap(const MapFile& map, TilesetFile* tileset) {
    copyText(currentMap.name, map.name, mapTextCapacity);
    copyText(currentMap.musicFile, map.musicFile, mapTextCapacity);
    // A song that is playing goes on; only the name of the new one is kept.
    if (!currentMap.music.playing) currentMap.music.load(joinText("MUSIC\\", map.musicFile));
    copyText(currentMap.tilesetFile, map.tilesetFile, mapTextCapacity);
    if (tileset) installTileset(*tileset);
    currentMap.width = map.width;
    currentMap.height = map.height;
    currentMap.startX = map.startX;
    currentMap.startY = map.startY;
    buildBackground(map);
    currentMap.timeLimit = 30 * map.timeCode + 90;
    buildBlocks(map);
    buildEnemies(map);
}

// After the message screen: the stage in play stays as it was.
bool refuse() {
    gameLog.write("Unable to load map!");
    gameLog.indentLess();
    return false;
}
} // namespace

bool loadMap(const char* fileName) {
    gameLog.write(joinText("Loading Map: ", fileName));
    gameLog.indentMore();
    MapFile map;
    {
        DataReader in;
        if (!openMapFile(fileName, in)) return refuse();
        if (!readMapFile(in, map)) {
            reportInvalidMap(fileName);
            return refuse();
        }
    }
    TilesetFile tileset;
    bool newTileset = readTileset(map.tilesetFile, tileset);
    // Without a new tileset the blocks use the one in play; before the first
    // stage there is none, and no block could be built.
    if (!newTileset && !currentMap.tiles) {
        showMessage("LOAD MAP ERROR", joinText("Unable to load MAP FILE: ", fileName));
        return refuse();
    }
    int32_t tileCount = newTileset ? (int32_t)tileset.entries.size() : currentMap.tileCount;
    if (!tilesFit(map, tileCount)) {
        reportInvalidMap(fileName);
        return refuse();
    }
    commitMap(map, newTileset ? &tileset : nullptr);
    gameLog.write("Map Loaded Successfully!");
    gameLog.indentLess();
    return true;
}
