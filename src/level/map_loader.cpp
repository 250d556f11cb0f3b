// loadMap: reads a whole map file into temporaries, checks it against the
// tileset it will use, and only then replaces the stage in play.
#include "level/graphics.h"
#include "level/map.h"
#include "level/map_format.h"
#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "platform/log.h"
#include "text/data_file.h"
#include "text/text_pool.h"
#include "text/text_utils.h"
#include "ui/message_screen.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
bool tilesFit(const MapFile& map, int32_t tileCount) {
    for (const MapBlockRecord& b : map.blocks)
        if (b.tileIndex < 0 || b.tileIndex >= tileCount) return false;
    return true;
}

// The background picture repeated side by side into one strip as wide as the
// map, so drawing it is one blit per frame.
void buildBackground(const MapFile& map) {
    currentMap.background.reset();
    gameLog.write(joinText("Loading background: ", map.backgroundFile.c_str()));
    Picture picture = loadBitmap(joinText("BITMAP\\BG\\", map.backgroundFile.c_str()));
    if (!picture) gameLog.write("Couldn't load BACKGROUND!");
    int stripWidth = map.width * 16;
    currentMap.background = Picture::create(stripWidth, 240);
    // Black where there is no picture to show.
    clearPicture(currentMap.background, colourOf(0, 0, 0));
    for (int i = 0; picture && i < stripWidth / 320 + 1; ++i)
        copyArea(picture, currentMap.background, 0, 0, 320 * i, 0, 320, 240);
}

// A block meets probes with its solid and its surface rectangle, which together
// cover its tile; a treasure is picked up in the box of its picture.
void buildIndexes() {
    std::vector<IndexBox> boxes((size_t)currentMap.blockCount);
    std::vector<bool> present((size_t)currentMap.blockCount);
    for (int32_t i = 0; i < currentMap.blockCount; ++i) {
        const Rect& r = currentMap.blocks[i].surfaceRect;
        const Rect& s = currentMap.blocks[i].solidRect;
        boxes[(size_t)i] = {r.x, r.y, r.x + std::max(r.width, s.width),
                            std::max(r.y + r.height, s.y + s.height)};
        present[(size_t)i] = s.enabled;
    }
    int32_t width = currentMap.width * 16, height = currentMap.height * 16;
    currentMap.blockIndex.build(boxes, present, width, height);
    boxes.assign((size_t)currentMap.bonusCount, {});
    present.assign((size_t)currentMap.bonusCount, true);
    for (int32_t i = 0; i < currentMap.bonusCount; ++i) {
        const Bonus& b = currentMap.bonuses[i];
        boxes[(size_t)i] = {b.x, b.y, b.x + 16, b.y + (b.image ? b.image->height() : 0)};
    }
    currentMap.bonusIndex.build(boxes, present, width, height);
}

void buildBlocks(const MapFile& map) {
    // The file's treasure count only repeats what the blocks say; it is
    // recounted from them, so a wrong one cannot leave a treasure unset.
    int32_t treasures = mapTreasureCount(map);
    currentMap.animatedBlocks.clear(); // until the stage starts
    currentMap.blockCount = (int32_t)map.blocks.size();
    currentMap.blocks = std::make_unique<BlockData[]>(map.blocks.size());
    currentMap.bonusCount = treasures;
    currentMap.bonuses.reset();
    if (treasures > 0) currentMap.bonuses = std::make_unique<Bonus[]>(treasures);
    currentMap.goldTotal = 0;
    int32_t next = 0;
    for (size_t i = 0; i < map.blocks.size(); ++i) {
        const MapBlockRecord& r = map.blocks[i];
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
                bonus.image = &goldSheet;
                bonus.sprite.setup(&goldAnimation, &goldSheet, &backBuffer, 16, 16);
                currentMap.goldTotal += 1;
            } else {
                bonus.image = &cupSheet;
                bonus.sprite.setup(&cupAnimation, &cupSheet, &backBuffer, 11, 16);
            }
        }
        const Animation* animation = tile.animation.loaded ? &tile.animation : &defaultAnimation;
        block.sprite.setup(animation, &tile.bitmap, &backBuffer, tile.width, tile.height);
    }
    buildIndexes();
}

void buildEnemies(const MapFile& map) {
    static const Animation* const animations[enemyKindCount] = {
        &enemyAnimations[0], &enemyAnimations[1], &defaultAnimation};
    enemyCount = (int32_t)map.enemies.size();
    enemies.reset();
    if (enemyCount > 0) enemies = std::make_unique<Enemy[]>(map.enemies.size());
    for (int32_t i = 0; i < enemyCount; ++i) {
        const MapEnemyRecord& r = map.enemies[i];
        Enemy& enemy = enemies[i];
        enemy.x = (float)(16 * r.cellX);
        enemy.y = (float)(16 * (r.cellY - 2));
        enemy.startX = (int32_t)enemy.x;
        enemy.startY = (int32_t)enemy.y;
        enemy.acceleration = (float)r.acceleration * 0.01f;
        enemy.jumpStrength = r.jumpStrength;
        enemy.jumper = r.jumper;
        enemy.kind = r.kind;
        enemy.sprite.setup(animations[r.kind], &enemySheets[r.kind], &backBuffer, 16, 16);
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
    copyText(currentMap.name, map.name.c_str(), mapTextCapacity);
    copyText(currentMap.musicFile, map.musicFile.c_str(), mapTextCapacity);
    // A song that is playing goes on; only the name of the new one is kept.
    if (!currentMap.music.playing)
        currentMap.music.load(joinText("MUSIC\\", map.musicFile.c_str()));
    copyText(currentMap.tilesetFile, map.tilesetFile.c_str(), mapTextCapacity);
    if (tileset) installTileset(*tileset);
    currentMap.width = map.width;
    currentMap.height = map.height;
    currentMap.startX = map.startX;
    currentMap.startY = map.startY;
    buildBackground(map);
    currentMap.timeLimit = mapTimeLimit(map.timeCode);
    buildBlocks(map);
    buildEnemies(map);
}

// After the message screen: the stage in play stays as it was.
bool refuse() {
    gameLog.write("Unable to load map!");
    gameLog.indentLess();
    return false;
}

bool build(const MapFile& map, const char* fileName) {
    TilesetFile tileset;
    bool newTileset = readTileset(map.tilesetFile.c_str(), tileset);
    // Without a new tileset the blocks use the one in play; before the first
    // stage there is none, and no block could be built.
    if (!newTileset && !currentMap.tiles) {
        showMessage("LOAD MAP ERROR", joinText("Unable to load MAP FILE: ", fileName));
        return false;
    }
    int32_t tileCount = newTileset ? (int32_t)tileset.entries.size() : currentMap.tileCount;
    if (!tilesFit(map, tileCount)) {
        reportInvalidMap(fileName);
        return false;
    }
    commitMap(map, newTileset ? &tileset : nullptr);
    return true;
}
} // namespace

bool loadMap(const char* fileName) {
    gameLog.write(joinText("Loading Map: ", fileName));
    gameLog.indentMore();
    MapFile map;
    {
        DataReader in;
        if (!in.open(joinText("DATA\\", fileName))) {
            showMessage("LOAD MAP ERROR", joinText("Unable to load MAP FILE: ", fileName));
            return refuse();
        }
        if (!readMapFile(in, map)) {
            reportInvalidMap(fileName);
            return refuse();
        }
    }
    if (!build(map, fileName)) return refuse();
    gameLog.write("Map Loaded Successfully!");
    gameLog.indentLess();
    return true;
}

bool buildMap(const MapFile& map, const char* fileName) {
    return build(map, fileName);
}
