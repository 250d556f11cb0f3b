#include "support/stage_files.h"

#include "game/demo_format.h"
#include "level/graphics.h"
#include "level/level_files.h"
#include "progress/stage_set_format.h"
#include "support/test_env.h"
#include "text/data_file.h"

#include <random>

void writeStageResources() {
    ensureHeadless();
    // Five held sequences: the ball and the enemies ask for up to sequence 4.
    AnimationFile still;
    still.sequences.assign(5, {{0}, {0}, 0, 0});
    for (const char* name : {"DEFANM", "CUP", "GOLD", "ENEMY01", "ENEMY02", "TUMBLO"})
        writeFileBytes(std::string("DATA/") + name + ".ANM",
                       encoded(still, writeAnimationFile).data());
    writeSolidBitmap("BITMAP/GENERAL/gold2.bmp", 16, 16, 0);
    writeSolidBitmap("BITMAP/GENERAL/cup2.bmp", 11, 16, 0);
    writeSolidBitmap("BITMAP/TILES/t.bmp", 16, 16, 0);
    writeFileBytes("DATA/TEST.TLS", tilesetFile({{"BITMAP\\TILES\\t.bmp", "", 16, 16}}).data());
    loadPlayGraphics();
}

void writeRunwayStage(const std::string& name) {
    writeStageResources();
    MapSpec map;
    map.name = name;
    map.startX = 32;
    map.startY = 128;
    for (int x = 0; x < 20; ++x)
        map.blocks.push_back({x, 9, blockPlain, 0, 0, 0, 0, 1, x == 6 ? 2 : 0});
    map.blocks.push_back({12, 8, blockGoal, 0, 0, 0, 0, 1, 0});
    writeFileBytes("DATA/RUNWAY.MAP", map.bytes().data());
    DataWriter set;
    writeStageSetFile(set, {"Test", "Ann", {{"G", {"RUNWAY.MAP"}}}});
    writeFileBytes("DATA/DEFAULT.STG", set.bytes());
}

MapFile largeStage() {
    constexpr int width = 1024, height = 256, ground = 200;
    MapFile m;
    m.name = "Large";
    m.musicFile = "none.it";
    m.tilesetFile = "TEST.TLS";
    m.backgroundFile = "none.bmp";
    m.width = width;
    m.height = height;
    m.startX = 32;
    m.startY = (ground - 1) * 16;
    m.timeCode = 2; // 150 s: enough to roll the whole way
    // Ledges first (1024 blocks), then 31 full rows of ground (31744 blocks).
    for (int i = 0; i < 256; ++i) {
        int x = 8 + i * 4 % (width - 16), y = ground - 3 - (i * 7) % 12;
        for (int k = 0; k < 4; ++k) {
            MapBlockRecord b;
            b.cellX = x + k;
            b.cellY = y;
            b.type = k == 0 && i % 5 == 0 ? blockBounce : blockPlain;
            b.param1 = 6;
            m.blocks.push_back(b);
        }
    }
    for (int y = ground; y < ground + 31; ++y)
        for (int x = 0; x < width; ++x) {
            MapBlockRecord b;
            b.cellX = x;
            b.cellY = y;
            if (y == ground && x % 2 == 1 && x < 1024) b.bonusCode = x % 64 == 1 ? 2 : 1;
            if (y == ground && x % 50 == 25) b.type = blockBounce, b.param1 = 7;
            if (y == ground && x % 97 == 3) b.type = blockTurnMarker;
            m.blocks.push_back(b);
        }
    for (int i = 0; i < 64; ++i) {
        MapEnemyRecord e;
        e.cellX = 20 + i * 15;
        e.cellY = ground - 1 + 2;
        e.kind = i % 2 == 0 ? enemyBouncer : enemyPusher;
        e.direction = i % 3 - 1;
        e.acceleration = 10;
        e.maxSpeed = 80;
        e.maxFallSpeed = 800;
        e.jumper = i % 4 == 0;
        e.jumpStrength = 4;
        m.enemies.push_back(e);
    }
    return m;
}

void writeMixedTileset() {
    std::vector<TileSpec> tiles;
    const int sizes[4][2] = {{16, 16}, {32, 8}, {8, 24}, {16, 2}};
    for (const auto& size : sizes) {
        std::string name =
            "BITMAP\\TILES\\m" + std::to_string(size[0]) + "x" + std::to_string(size[1]) + ".bmp";
        writeSolidBitmap("BITMAP/TILES/m" + std::to_string(size[0]) + "x" +
                             std::to_string(size[1]) + ".bmp",
                         size[0], size[1], 0);
        tiles.push_back({name, "", size[0], size[1]});
    }
    writeFileBytes("DATA/MIXED.TLS", tilesetFile(tiles).data());
}

MapFile randomStage(uint32_t seed) {
    std::mt19937 random(seed);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    MapFile m;
    m.name = "Random";
    m.musicFile = "none.it";
    m.tilesetFile = "MIXED.TLS";
    m.backgroundFile = "none.bmp";
    m.width = between(12, 48);
    m.height = between(10, 30);
    m.startX = between(1, m.width - 2) * 16;
    m.startY = between(0, m.height / 2) * 16;
    m.timeCode = -2; // 30 s
    // Floors and ledges in rows, walls in columns, and loose blocks.
    auto block = [&](int x, int y) {
        MapBlockRecord b;
        b.cellX = x;
        b.cellY = y;
        b.tileIndex = between(0, 9) < 7 ? 0 : between(1, 3);
        int kind = between(0, 99);
        b.type = kind < 70   ? blockPlain
                 : kind < 78 ? blockBounce
                 : kind < 84 ? blockHurt
                 : kind < 92 ? blockTurnMarker
                 : kind < 95 ? blockGoal
                             : blockTeleport;
        b.param1 = b.type == blockBounce ? between(3, 12) : between(0, m.width * 16);
        b.param2 = between(0, m.height * 16);
        b.solid = between(0, 19) == 0 ? 0 : 1;
        if (between(0, 9) == 0) b.bonusCode = between(1, 3);
        m.blocks.push_back(b);
    };
    for (int row = 0; row < between(2, 6); ++row) {
        int y = between(2, m.height), x0 = between(-2, m.width - 1), length = between(1, m.width);
        for (int x = x0; x < x0 + length; ++x)
            block(x, y);
    }
    for (int wall = 0; wall < between(0, 4); ++wall) {
        int x = between(0, m.width), y0 = between(0, m.height - 1);
        for (int y = y0; y < y0 + between(1, 6); ++y)
            block(x, y);
    }
    for (int i = 0; i < between(0, 30); ++i)
        block(between(-1, m.width), between(0, m.height + 1));
    for (int i = 0; i < between(0, 8); ++i) {
        MapEnemyRecord e;
        e.cellX = between(0, m.width - 1);
        e.cellY = between(2, m.height);
        e.kind = between(0, enemyKindCount - 1);
        e.direction = between(-1, 1);
        e.acceleration = between(5, 80);
        e.maxSpeed = between(50, 400);
        e.maxFallSpeed = between(200, 2000);
        e.jumper = between(0, 2) == 0;
        e.jumpStrength = between(2, 12);
        m.enemies.push_back(e);
    }
    return m;
}

void writeRandomDemo(const std::string& path, const std::string& map, int ticks, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> steering;
    while ((int)steering.size() < ticks) {
        uint8_t held = (uint8_t)std::uniform_int_distribution<int>(steerNone, steerRight)(random);
        int run = std::uniform_int_distribution<int>(1, 60)(random);
        steering.insert(steering.end(), (size_t)run, held);
    }
    steering.resize((size_t)ticks);
    DemoHeader header;
    header.mapFile = map;
    header.title = "Random";
    DataWriter out;
    writeDemoFile(out, header, steering.data(), steering.size());
    writeFileBytes(path, out.bytes());
}

void writeRightwardDemo(const std::string& path, const std::string& map, int ticks) {
    DemoHeader header;
    header.mapFile = map;
    header.title = "Rightward";
    std::vector<uint8_t> steering((size_t)ticks, steerRight);
    DataWriter out;
    writeDemoFile(out, header, steering.data(), steering.size());
    writeFileBytes(path, out.bytes());
}

void writeLargeStagePlay(int ticks) {
    writeStageResources();
    DataWriter out;
    writeMapFile(out, largeStage());
    writeFileBytes("DATA/LARGE.MAP", out.bytes());
    writeRightwardDemo("LARGE.TDM", "LARGE.MAP", ticks);
}
