#pragma once

// The map file ("DATA\*.MAP"): one stage, binary, little-endian, read front to
// back. This is the only place that spells out its fields, their order and
// their limits; the game's loader, the asset compiler, the tool and the tests
// all read and write maps through it.
//
//   magic "TUM1" (any letter case), name, musicFile, tilesetFile, backgroundFile
//   (texts), width, height (cells), startX, startY (pixels), timeCode,
//   blockCount, bonusCount, blockCount block records, enemyCount, enemyCount
//   enemy records. Nothing after the last enemy is read.

#include <cstdint>
#include <string>
#include <vector>

class DataReader;
class DataWriter;

constexpr char mapMagic[] = "TUM1";

// Text fields hold at most 39 bytes (name, tune, tileset) or 79 (background);
// the capacities count the terminator.
constexpr int mapTextCapacity = 40;
constexpr int mapBackgroundCapacity = 80;

// Limits far beyond any real stage. They keep a damaged count from allocating
// wildly, and positions (16 x cell) and the time limit from overflowing.
constexpr int32_t maxMapCells = 1024; // width and height, each at least 1
constexpr int32_t maxMapBlocks = 32768;
constexpr int32_t maxMapEnemies = 1024;
constexpr int32_t maxMapCell = 1 << 20; // |cellX|, |cellY| of blocks and enemies
// 30 x -3 + 90 = 0: no stage may start with less than no time.
constexpr int32_t minMapTimeCode = -3;
constexpr int32_t maxMapTimeCode = 100000;

enum BlockType : int32_t {
    blockPlain = 0,
    blockBounce = 1, // param1: the rise speed given
    blockHurt = 2,
    blockTurnMarker = 3,
    blockGoal = 4,
    blockTeleport = 5 // param1, param2: the target in pixels
};

enum EnemyKind : int32_t { enemyBouncer = 0, enemyHurter = 1, enemyPusher = 2 };
constexpr int32_t enemyKindCount = 3;

// bonusCode: 0 or less no treasure, 1 gold, 2 or more a cup.
struct MapBlockRecord {
    int32_t cellX = 0, cellY = 0, type = 0, param1 = 0, param2 = 0, param3 = 0, tileIndex = 0,
            solid = 1, bonusCode = 0;
    bool operator==(const MapBlockRecord&) const = default;
};

// The enemy stands two cells above cellY; speeds are in hundredths.
struct MapEnemyRecord {
    int32_t cellX = 0, cellY = 0, acceleration = 0, jumpStrength = 0, reserved1 = 0, reserved2 = 0,
            jumper = 0, kind = 0, maxSpeed = 0, direction = 0, maxFallSpeed = 0;
    bool operator==(const MapEnemyRecord&) const = default;
};

struct MapFile {
    std::string name, musicFile, tilesetFile, backgroundFile;
    int32_t width = 20, height = 15;
    int32_t startX = 0, startY = 0;
    int32_t timeCode = 0;
    // As the file says; the writer always writes the count of the blocks.
    int32_t bonusCount = 0;
    std::vector<MapBlockRecord> blocks;
    std::vector<MapEnemyRecord> enemies;
};

// The stage's time limit in seconds.
inline int32_t mapTimeLimit(int32_t timeCode) {
    return 30 * timeCode + 90;
}

// The number of blocks carrying a treasure.
int32_t mapTreasureCount(const MapFile& map);

// Reads the magic; false when it is not "TUM1" in any letter case.
bool readMapMagic(DataReader& in);
// Reads a whole map, magic included. False when the magic is wrong, the file is
// short, a text does not fit its field, or a value is outside the limits above
// (including an enemy kind other than 0, 1 and 2). No message, no globals.
bool readMapFile(DataReader& in, MapFile& out);
// Reads the magic and the stage name only.
bool readMapFileName(DataReader& in, std::string& name);
// Writes the map as given (texts, counts and all), with the magic "TUM1" and the
// treasure count of its blocks. The writer does not check the limits: the
// compiler checks them against the same constants before it writes.
void writeMapFile(DataWriter& out, const MapFile& map);
