#pragma once

#include "level/actor.h"
#include "level/animation.h"
#include "level/box_index.h"
#include "level/tileset.h"
#include "platform/picture.h"
#include "platform/sound.h"

#include <cstdint>
#include <memory>
#include <vector>

// One placed block of a map: its tile, its two collision rectangles and what it
// does when touched (0 plain, 1 bounce, 2 hurt, 3 turn marker, 4 goal, 5 teleport).
struct BlockData {
    AnimationPlayer sprite;
    Rect solidRect;
    Rect surfaceRect;
    int32_t tileIndex = 0;
    int32_t type = 0;
    float param1 = 0;
    float param2 = 0;
    float param3 = 0;
};

// A treasure lying on a block; kind 0 is gold, any other kind a cup.
struct Bonus {
    const Picture* image = nullptr; // shared sheet, not owned
    AnimationPlayer sprite;
    int32_t x = 0;
    int32_t y = 0;
    int32_t kind = 0;
    bool active = false;
};

// The stage in play, built by `loadMap`. World coordinates are pixels from the
// map's top-left corner, y downwards; blocks sit on 16 by 16 cells.
class Map {
public:
    Map() = default;
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    bool cameraLocked = false;
    Music music;
    bool lockCameraY = false;
    bool lockCameraX = false;
    float gravity = 0.4f;
    std::unique_ptr<BlockData[]> blocks;
    std::unique_ptr<TileObject[]> tiles;
    int32_t bonusCount = 0;
    std::unique_ptr<Bonus[]> bonuses;
    int32_t timeLimit = 0;
    int32_t goldTotal = 0;
    int32_t blockCount = 0;
    int32_t tileCount = 0;
    int32_t cameraX = 0;
    int32_t cameraY = 0;
    int32_t startX = 0;
    int32_t startY = 0;
    char name[40] = {};
    char musicFile[40] = {};
    char tilesetFile[40] = {};
    char timeText[20] = {};
    int32_t width = 0;
    int32_t height = 0;
    Picture background; // width x 16 by 240, the background pre-tiled

    // Built with the blocks and treasures: which ones lie near a place, so that
    // a probe need not look at all of them.
    BoxIndex blockIndex;
    BoxIndex bonusIndex;
    // The blocks whose sprite was playing when the stage (re)started; the others
    // stand still until played again, so the tick need not visit them.
    std::vector<int32_t> animatedBlocks;
};

extern Map currentMap;
// The enemies of the stage in play; absent when there are none.
extern std::unique_ptr<Enemy[]> enemies;
extern int32_t enemyCount;

// Loads "DATA\" + fileName into `currentMap` and the enemy list. On a missing or
// refused file it reports the error and changes nothing.
bool loadMap(const char* fileName);

// The build step of `loadMap`, for a map already read from elsewhere (the tool):
// loads its tileset, checks the blocks against it and replaces the stage in
// play. Shows the map loader's messages; false leaves the stage as it was.
struct MapFile;
bool buildMap(const MapFile& map, const char* fileName);
// The message for a map file whose content cannot be used.
void reportInvalidMap(const char* fileName);

// Reads only the stage name of a map into `out` (at least 40 bytes) and returns
// `out`; on failure reports it and leaves `out` untouched.
char* readMapName(const char* fileName, char* out);
