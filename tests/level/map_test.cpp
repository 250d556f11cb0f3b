#include "level/graphics.h"
#include "level/map.h"
#include "level_files.h"
#include "platform/display.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {
class MapTest : public LevelTest {
protected:
    void SetUp() override {
        LevelTest::SetUp();
        for (const char* name : {"DEFANM", "CUP", "ENEMY01", "ENEMY02"})
            writeFileBytes(std::string("DATA/") + name + ".ANM",
                           animationFile({{{0}, {0}, 0, 0}}).data());
        writeFileBytes("DATA/GOLD.ANM", animationFile({{{0, 1}, {4, 4}, 0, 0}}).data());
        writeFileBytes("DATA/WAVE.ANM", animationFile({{{0, 1}, {2, 2}, 0, 0}}).data());
        for (const char* name : {"gold2", "cup2", "enemy1", "enemy2", "enemy3"})
            writeSolidBitmap(std::string("BITMAP/GENERAL/") + name + ".bmp", 32, 16, 0);
        writeSolidBitmap("BITMAP/TILES/a.bmp", 32, 16, colourOf(0, 255, 0));
        loadPlayGraphics();
        writeFileBytes("DATA/TEST.TLS",
                       tilesetFile({{"BITMAP\\TILES\\a.bmp", "", 16, 16},
                                    {"BITMAP\\TILES\\a.bmp", "DATA\\WAVE.ANM", 32, 8}})
                           .data());
    }
    bool load(const MapSpec& map, const char* name = "T.MAP") {
        writeFileBytes(std::string("DATA/") + name, map.bytes().data());
        return loadMap(name);
    }
};

std::vector<int> ints(std::initializer_list<int> values) {
    return values;
}
std::vector<float> floats(std::initializer_list<float> values) {
    return values;
}
std::vector<int> box(const Rect& r) {
    return {r.x, r.y, r.width, r.height, r.enabled};
}

MapSpec richMap() {
    MapSpec m;
    m.timeCode = 3;
    m.blocks = {
        {2, 3, 1, 5, -6, 7, 0, 1, 1},   // bounce, solid, gold
        {4, 5, 5, 300, 20, 0, 1, 2, 2}, // teleport on the animated tile, passable, cup
        {6, 7, 0, 0, 0, 0, 0, 1, 7},    // another cup
        {8, 9, 2, 0, 0, 0, 0, 0, 0},    // hurt, no treasure
        {1, 1, 4, 0, 0, 0, 0, 1, -1},   // goal, no treasure
    };
    // The two reserved values are read and dropped.
    m.enemies = {{3, 5, 25, 6, 7, 8, 1, 0, 150, -1, 300}, {7, 2, 10, 0, 7, 8, 0, 2, 75, 4, 0}};
    return m;
}
} // namespace

TEST_F(MapTest, FillsHeaderBlocksTreasuresAndEnemies) {
    ASSERT_TRUE(load(richMap()));
    EXPECT_STREQ(currentMap.name, "Test Stage");
    EXPECT_STREQ(currentMap.musicFile, "song.it");
    EXPECT_STREQ(currentMap.tilesetFile, "TEST.TLS");
    // Start in pixels, not cells; time code 3 is 180 s.
    EXPECT_EQ(ints({currentMap.width, currentMap.height, currentMap.startX, currentMap.startY,
                    currentMap.timeLimit}),
              ints({20, 15, 40, 64, 180}));
    EXPECT_FLOAT_EQ(currentMap.gravity, 0.4f);
    ASSERT_EQ(currentMap.tileCount, 2);
    ASSERT_EQ(currentMap.blockCount, 5);

    const BlockData& bounce = currentMap.blocks[0];
    EXPECT_EQ(bounce.type, 1);
    EXPECT_EQ(floats({bounce.param1, bounce.param2, bounce.param3}), floats({5, -6, 7}));
    EXPECT_EQ(box(bounce.solidRect), ints({32, 49, 16, 15, 1}));
    EXPECT_EQ(box(bounce.surfaceRect), ints({32, 48, 16, 1, 1}));

    const BlockData& teleport = currentMap.blocks[1];
    EXPECT_FLOAT_EQ(teleport.param1, 300);
    EXPECT_EQ(teleport.tileIndex, 1);
    EXPECT_EQ(box(teleport.solidRect), ints({64, 81, 32, 7, 0})); // solid 2 is passable
    EXPECT_FALSE(teleport.surfaceRect.enabled);
    EXPECT_FALSE(currentMap.blocks[3].solidRect.enabled);

    ASSERT_EQ(currentMap.bonusCount, 3);
    EXPECT_EQ(currentMap.goldTotal, 1);
    const Bonus& gold = currentMap.bonuses[0];
    EXPECT_EQ(ints({gold.x, gold.y, gold.kind, gold.active, gold.sprite.frameWidth}),
              ints({36, 34, 0, 1, 16}));
    const Bonus& cup = currentMap.bonuses[1];
    EXPECT_EQ(ints({cup.kind, cup.sprite.frameWidth}), ints({1, 11}));
    EXPECT_EQ(ints({currentMap.bonuses[2].kind, currentMap.bonuses[2].y}), ints({6, 7 * 16 - 14}));

    ASSERT_EQ(enemyCount, 2);
    const Enemy& walker = enemies[0];
    // Two cells above row 5; speeds in hundredths.
    EXPECT_EQ(
        floats({walker.x, walker.y, walker.acceleration, walker.maxSpeed, walker.maxFallSpeed}),
        floats({48, 48, 25 * 0.01f, 150 * 0.01f, 300 * 0.01f}));
    EXPECT_EQ(ints({walker.startX, walker.startY, walker.jumpStrength, walker.jumper,
                    walker.direction, walker.startDirection, walker.active}),
              ints({48, 48, 6, 1, -1, -1, 1}));
    const Enemy& pusher = enemies[1];
    EXPECT_FLOAT_EQ(pusher.y, 0);
    EXPECT_EQ(pusher.direction, 4);
}

TEST_F(MapTest, EmptyMapsAndRepairedTreasureCounts) {
    MapSpec empty;
    empty.magic = "tum1"; // the magic's letter case does not matter
    empty.timeCode = 0;
    ASSERT_TRUE(load(empty));
    EXPECT_EQ(currentMap.timeLimit, 90);
    EXPECT_EQ(currentMap.blockCount, 0);
    EXPECT_EQ(currentMap.bonusCount, 0);
    EXPECT_FALSE(currentMap.bonuses);
    EXPECT_EQ(currentMap.goldTotal, 0);
    EXPECT_EQ(enemyCount, 0);
    EXPECT_FALSE(enemies);

    // The file's treasure count is only a repetition of the blocks' codes.
    MapSpec wrongCount = richMap();
    wrongCount.bonusCountInFile = 9;
    ASSERT_TRUE(load(wrongCount));
    EXPECT_EQ(currentMap.bonusCount, 3);
    wrongCount.bonusCountInFile = -4;
    ASSERT_TRUE(load(wrongCount));
    EXPECT_EQ(currentMap.bonusCount, 3);
}

TEST_F(MapTest, WithoutItsBackgroundPictureTheStripIsBlackAtFullSize) {
    MapSpec m;
    gameLog.setFile("tumblo.log");
    gameLog.setEnabled(true);
    m.backgroundFile = "missing.bmp";
    m.width = 30;
    ASSERT_TRUE(load(m));
    gameLog.setEnabled(false);
    EXPECT_EQ(currentMap.background.width(), 480);
    EXPECT_EQ(pixelAt(currentMap.background, 0, 0), colourOf(0, 0, 0));
    EXPECT_EQ(readFileText("tumblo.log"), "Loading Map: T.MAP\n"
                                          "  Loading tileset: TEST.TLS\n"
                                          "  Loading Animation: DATA\\WAVE.ANM\n"
                                          " Loading background: missing.bmp\n"
                                          " Couldn't load BACKGROUND!\n"
                                          " Map Loaded Successfully!\n");
}

TEST_F(MapTest, RefusedFilesLeaveTheStageInPlay) {
    ASSERT_TRUE(load(richMap(), "GOOD.MAP"));
    const BlockData* blocks = currentMap.blocks.get();
    const TileObject* tiles = currentMap.tiles.get();
    const Enemy* enemyList = enemies.get();
    const void* strip = currentMap.background.handle();

    std::vector<std::pair<const char*, std::vector<uint8_t>>> bad;
    auto variant = [&](const char* why, auto change) {
        MapSpec m = richMap();
        change(m);
        bad.push_back({why, m.bytes().data()});
    };
    variant("wrong magic", [](MapSpec& m) { m.magic = "TUM2"; });
    variant("name of 40 bytes", [](MapSpec& m) { m.name = std::string(40, 'n'); });
    variant("tileset name of 40 bytes", [](MapSpec& m) { m.tilesetFile = std::string(40, 't'); });
    variant("background name of 80", [](MapSpec& m) { m.backgroundFile = std::string(80, 'b'); });
    variant("no width", [](MapSpec& m) { m.width = 0; });
    variant("negative height", [](MapSpec& m) { m.height = -15; });
    variant("absurd width", [](MapSpec& m) { m.width = 1 << 28; });
    variant("absurd time", [](MapSpec& m) { m.timeCode = 1 << 30; });
    variant("tile beyond the set", [](MapSpec& m) { m.blocks[2].tileIndex = 2; });
    variant("negative tile", [](MapSpec& m) { m.blocks[0].tileIndex = -1; });
    variant("unknown enemy kind", [](MapSpec& m) { m.enemies[1].kind = 3; });
    variant("overflowing cell", [](MapSpec& m) { m.enemies[0].cellY = INT32_MIN; });
    Bytes full = richMap().bytes();
    for (size_t size : {size_t(2), size_t(3), size_t(20), size_t(80), size_t(100), size_t(200),
                        full.data().size() - 1})
        bad.push_back({"short", full.truncated(size)});
    variant("negative block count",
            [](MapSpec& m) { m.blocks.clear(), m.enemies.clear(), m.blockCountInFile = -1; });
    for (auto& [why, bytes] : bad) {
        writeFileBytes("DATA/BAD.MAP", bytes);
        EXPECT_FALSE(loadMap("BAD.MAP")) << why;
        EXPECT_STREQ(currentMap.name, "Test Stage") << why;
        EXPECT_EQ(currentMap.blocks.get(), blocks) << why;
        EXPECT_EQ(currentMap.blockCount, 5) << why;
        EXPECT_EQ(currentMap.tiles.get(), tiles) << why;
        EXPECT_EQ(enemies.get(), enemyList) << why;
        EXPECT_EQ((const void*)currentMap.background.handle(), strip) << why;
        EXPECT_EQ(currentMap.timeLimit, 180) << why;
    }
    EXPECT_FALSE(loadMap("NONE.MAP"));
    EXPECT_EQ(currentMap.blocks.get(), blocks);
}

TEST_F(MapTest, AFailedTilesetKeepsTheOldOneAndThePlayingSongGoesOn) {
    MapSpec m = richMap();
    m.tilesetFile = "GONE.TLS";
    EXPECT_FALSE(load(m)); // the first stage: no tiles to build blocks on
    EXPECT_FALSE(currentMap.tiles);
    EXPECT_FALSE(currentMap.blocks);

    ASSERT_TRUE(load(richMap()));
    const TileObject* tiles = currentMap.tiles.get();
    currentMap.music.playing = true;
    m.name = "Second";
    m.musicFile = "other.it";
    ASSERT_TRUE(load(m));
    EXPECT_STREQ(currentMap.name, "Second");
    // The playing song goes on; the new name is taken.
    EXPECT_STREQ(currentMap.musicFile, "other.it");
    EXPECT_TRUE(currentMap.music.playing);
    EXPECT_STREQ(currentMap.tilesetFile, "GONE.TLS");
    EXPECT_EQ(currentMap.tiles.get(), tiles);
    EXPECT_EQ(currentMap.blocks[1].sprite.animation, &currentMap.tiles[1].animation);

    // A new tileset too small for the map's blocks is not put into use either.
    writeFileBytes("DATA/ONE.TLS", tilesetFile({{"BITMAP\\TILES\\a.bmp", "", 16, 16}}).data());
    m.tilesetFile = "ONE.TLS";
    m.name = "Third";
    EXPECT_FALSE(load(m));
    EXPECT_STREQ(currentMap.name, "Second");
    EXPECT_EQ(currentMap.tiles.get(), tiles);
    EXPECT_EQ(currentMap.tileCount, 2);
}
