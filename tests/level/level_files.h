#pragma once

// Small level files for the tests, written with the Bytes builder.
#include "level/map.h"
#include "level/teardown.h"
#include "platform/log.h"
#include "support/test_env.h"

#include <allegro.h>
#include <filesystem>

#include <string>
#include <vector>

struct SequenceSpec {
    std::vector<int> images;
    std::vector<int> ticks;
    int loopFrame = 0;
    int nextSequence = 0;
};

inline Bytes animationFile(const std::vector<SequenceSpec>& sequences) {
    Bytes b;
    b.i32((int32_t)sequences.size());
    for (const SequenceSpec& s : sequences) {
        b.i32((int32_t)s.images.size());
        for (int image : s.images)
            b.i32(image);
        for (int t : s.ticks)
            b.i32(t);
        b.i32(s.loopFrame).i32(s.nextSequence);
    }
    return b;
}

struct TileSpec {
    std::string bitmapFile;
    std::string animationFile;
    int width = 16;
    int height = 16;
};

inline Bytes tilesetFile(const std::vector<TileSpec>& tiles) {
    Bytes b;
    b.i32((int32_t)tiles.size());
    for (const TileSpec& t : tiles)
        b.str(t.bitmapFile).str(t.animationFile).i32(t.width).i32(t.height);
    return b;
}

struct BlockSpec {
    int cellX = 0, cellY = 0, type = 0, param1 = 0, param2 = 0, param3 = 0, tileIndex = 0,
        solid = 1, bonusCode = 0;
};

struct EnemySpec {
    int cellX = 0, cellY = 0, acceleration = 0, jumpStrength = 0, jumper = 0, kind = 0,
        maxSpeed = 0, direction = 0, maxFallSpeed = 0;
};

struct MapSpec {
    std::string magic = "TUM1";
    std::string name = "Test Stage";
    std::string musicFile = "song.it";
    std::string tilesetFile = "TEST.TLS";
    std::string backgroundFile = "bg.bmp";
    int width = 20, height = 15, startX = 40, startY = 64, timeCode = 1;
    std::vector<BlockSpec> blocks;
    int blockCount = -999; // -999: the number of blocks
    int bonusCount = -999; // -999: the number of blocks with treasure
    std::vector<EnemySpec> enemies;

    Bytes bytes() const {
        Bytes b;
        b.raw(magic).str(name).str(musicFile).str(tilesetFile).str(backgroundFile);
        b.i32(width).i32(height).i32(startX).i32(startY).i32(timeCode);
        int treasures = 0;
        for (const BlockSpec& k : blocks)
            treasures += k.bonusCode > 0;
        b.i32(blockCount == -999 ? (int32_t)blocks.size() : blockCount)
            .i32(bonusCount == -999 ? treasures : bonusCount);
        for (const BlockSpec& k : blocks)
            for (int v : {k.cellX, k.cellY, k.type, k.param1, k.param2, k.param3, k.tileIndex,
                          k.solid, k.bonusCode})
                b.i32(v);
        b.i32((int32_t)enemies.size());
        for (const EnemySpec& e : enemies)
            for (int v : {e.cellX, e.cellY, e.acceleration, e.jumpStrength, 7, 8, e.jumper, e.kind,
                          e.maxSpeed, e.direction, e.maxFallSpeed})
                b.i32(v);
        return b;
    }
};

// Writes a ".BMP" of the given size, filled with one colour.
inline void writeSolidBitmap(const std::string& path, int width, int height, int colour) {
    BITMAP* b = create_bitmap(width, height);
    clear_to_color(b, colour);
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    save_bitmap(path.c_str(), b, nullptr);
    destroy_bitmap(b);
}

// Frees whatever the level globals hold, so each test starts as a fresh run.
inline void resetLevelState() {
    gameLog.setEnabled(false);
    releaseGameData();
    currentMap.music.playing = false;
    currentMap.cameraX = currentMap.cameraY = 0;
}
