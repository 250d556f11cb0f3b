#include "support/stage_files.h"

#include "game/demo_format.h"
#include "level/graphics.h"
#include "level/level_files.h"
#include "progress/stage_set_format.h"
#include "support/test_env.h"
#include "text/data_file.h"

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
