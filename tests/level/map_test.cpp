#include "level/graphics.h"
#include "level/map.h"
#include "level_files.h"
#include "platform/display.h"

#include <allegro.h>
#include <cstring>
#include <gtest/gtest.h>

namespace {
class MapTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        resetLevelState();
        writeFileBytes("DATA/DEFANM.ANM", animationFile({{{0}, {0}, 0, 0}}).data());
        writeFileBytes("DATA/GOLD.ANM", animationFile({{{0, 1}, {4, 4}, 0, 0}}).data());
        writeFileBytes("DATA/CUP.ANM", animationFile({{{0}, {0}, 0, 0}}).data());
        writeFileBytes("DATA/ENEMY01.ANM", animationFile({{{0}, {0}, 0, 0}}).data());
        writeFileBytes("DATA/ENEMY02.ANM", animationFile({{{0}, {0}, 0, 0}}).data());
        writeFileBytes("DATA/WAVE.ANM", animationFile({{{0, 1}, {2, 2}, 0, 0}}).data());
        for (const char* name : {"gold2", "cup2", "enemy1", "enemy2", "enemy3"})
            writeSolidBitmap(std::string("BITMAP/GENERAL/") + name + ".bmp", 32, 16, 0);
        writeSolidBitmap("BITMAP/TILES/a.bmp", 32, 16, makecol(0, 255, 0));
        loadGraphics();
        writeFileBytes("DATA/TEST.TLS",
                       tilesetFile({{"BITMAP\\TILES\\a.bmp", "", 16, 16},
                                    {"BITMAP\\TILES\\a.bmp", "DATA\\WAVE.ANM", 32, 8}})
                           .data());
    }
    void TearDown() override { resetLevelState(); }

    bool load(const MapSpec& map, const char* name = "T.MAP") {
        writeFileBytes(std::string("DATA/") + name, map.bytes().data());
        return loadMap(name);
    }

    TempGameDir dir;
};

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
    m.enemies = {{3, 5, 25, 6, 1, 0, 150, -1, 300}, {7, 2, 10, 0, 0, 2, 75, 4, 0}};
    return m;
}
} // namespace

TEST_F(MapTest, FillsHeaderBlocksTreasuresAndEnemies) {
    ASSERT_TRUE(load(richMap()));
    EXPECT_STREQ(currentMap.name, "Test Stage");
    EXPECT_STREQ(currentMap.musicFile, "song.it");
    EXPECT_STREQ(currentMap.tilesetFile, "TEST.TLS");
    EXPECT_EQ(currentMap.width, 20);
    EXPECT_EQ(currentMap.height, 15);
    EXPECT_EQ(currentMap.startX, 40); // pixels, not cells
    EXPECT_EQ(currentMap.startY, 64);
    EXPECT_EQ(currentMap.timeLimit, 180);
    EXPECT_FLOAT_EQ(currentMap.gravity, 0.4f);
    ASSERT_EQ(currentMap.tileCount, 2);
    ASSERT_EQ(currentMap.blockCount, 5);

    const BlockData& bounce = currentMap.blocks[0];
    EXPECT_EQ(bounce.type, 1);
    EXPECT_FLOAT_EQ(bounce.param1, 5);
    EXPECT_FLOAT_EQ(bounce.param2, -6);
    EXPECT_FLOAT_EQ(bounce.param3, 7);
    EXPECT_EQ(bounce.solidRect.x, 32);
    EXPECT_EQ(bounce.solidRect.y, 49);
    EXPECT_EQ(bounce.solidRect.width, 16);
    EXPECT_EQ(bounce.solidRect.height, 15);
    EXPECT_TRUE(bounce.solidRect.enabled);
    EXPECT_EQ(bounce.surfaceRect.y, 48);
    EXPECT_EQ(bounce.surfaceRect.height, 1);
    EXPECT_TRUE(bounce.surfaceRect.enabled);
    EXPECT_EQ(bounce.sprite.animation, &defaultAnimation);
    EXPECT_EQ(bounce.sprite.source, currentMap.tiles[0].bitmap);
    EXPECT_EQ(bounce.sprite.target, backBuffer);

    const BlockData& teleport = currentMap.blocks[1];
    EXPECT_FLOAT_EQ(teleport.param1, 300);
    EXPECT_EQ(teleport.tileIndex, 1);
    EXPECT_FALSE(teleport.solidRect.enabled); // solid 2 is passable
    EXPECT_FALSE(teleport.surfaceRect.enabled);
    EXPECT_EQ(teleport.solidRect.width, 32);
    EXPECT_EQ(teleport.solidRect.height, 7);
    EXPECT_EQ(teleport.sprite.animation, &currentMap.tiles[1].animation);
    EXPECT_EQ(teleport.sprite.frameWidth, 32);
    EXPECT_EQ(teleport.sprite.frameHeight, 8);
    EXPECT_FALSE(currentMap.blocks[3].solidRect.enabled);

    ASSERT_EQ(currentMap.bonusCount, 3);
    EXPECT_EQ(currentMap.goldTotal, 1);
    const Bonus& gold = currentMap.bonuses[0];
    EXPECT_EQ(gold.x, 36);
    EXPECT_EQ(gold.y, 34);
    EXPECT_EQ(gold.kind, 0);
    EXPECT_TRUE(gold.active);
    EXPECT_EQ(gold.image, goldSheet);
    EXPECT_EQ(gold.sprite.animation, &goldAnimation);
    EXPECT_EQ(gold.sprite.frameWidth, 16);
    const Bonus& cup = currentMap.bonuses[1];
    EXPECT_EQ(cup.kind, 1);
    EXPECT_EQ(cup.image, cupSheet);
    EXPECT_EQ(cup.sprite.animation, &cupAnimation);
    EXPECT_EQ(cup.sprite.frameWidth, 11);
    EXPECT_EQ(currentMap.bonuses[2].kind, 6);
    EXPECT_EQ(currentMap.bonuses[2].y, 7 * 16 - 14);

    ASSERT_EQ(enemyCount, 2);
    const Enemy& walker = enemies[0];
    EXPECT_FLOAT_EQ(walker.x, 48);
    EXPECT_FLOAT_EQ(walker.y, 48); // two cells above row 5
    EXPECT_EQ(walker.startX, 48);
    EXPECT_EQ(walker.startY, 48);
    EXPECT_EQ(walker.acceleration, 25 * 0.01f);
    EXPECT_EQ(walker.maxSpeed, 150 * 0.01f);
    EXPECT_EQ(walker.maxFallSpeed, 300 * 0.01f);
    EXPECT_EQ(walker.jumpStrength, 6);
    EXPECT_EQ(walker.jumper, 1);
    EXPECT_EQ(walker.direction, -1);
    EXPECT_EQ(walker.startDirection, -1);
    EXPECT_TRUE(walker.active);
    EXPECT_EQ(walker.hullBox.width, 16);
    EXPECT_EQ(walker.hullBox.height, 14);
    EXPECT_EQ(walker.feetProbe.y, 14);
    EXPECT_EQ(walker.feetProbe.height, 1);
    EXPECT_EQ(walker.bodyBox.width, 0); // an enemy has no hurt box
    EXPECT_EQ(walker.sprite.animation, &enemyAnimations[0]);
    EXPECT_EQ(walker.sprite.source, enemySheets[0]);
    const Enemy& pusher = enemies[1];
    EXPECT_FLOAT_EQ(pusher.y, 0);
    EXPECT_EQ(pusher.direction, 4);
    EXPECT_EQ(pusher.sprite.animation, &defaultAnimation);
    EXPECT_EQ(pusher.sprite.source, enemySheets[2]);
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
    wrongCount.bonusCount = 9;
    ASSERT_TRUE(load(wrongCount));
    EXPECT_EQ(currentMap.bonusCount, 3);
    wrongCount.bonusCount = -4;
    ASSERT_TRUE(load(wrongCount));
    EXPECT_EQ(currentMap.bonusCount, 3);
}

TEST_F(MapTest, TilesTheBackgroundIntoAStripAsWideAsTheMap) {
    int red = makecol(255, 0, 0), blue = makecol(0, 0, 255);
    BITMAP* picture = create_bitmap(320, 240);
    clear_to_color(picture, blue);
    rectfill(picture, 0, 0, 15, 239, red);
    std::filesystem::create_directories("BITMAP/BG");
    save_bitmap("BITMAP/BG/bg.bmp", picture, nullptr);
    destroy_bitmap(picture);

    MapSpec m;
    m.width = 21;
    ASSERT_TRUE(load(m));
    BITMAP* strip = currentMap.background;
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->w, 336);
    EXPECT_EQ(strip->h, 240);
    EXPECT_EQ(getpixel(strip, 0, 0), red);
    EXPECT_EQ(getpixel(strip, 16, 239), blue);
    EXPECT_EQ(getpixel(strip, 319, 100), blue);
    EXPECT_EQ(getpixel(strip, 320, 100), red); // the second copy, clipped to 16 pixels
    EXPECT_EQ(getpixel(strip, 335, 100), red);

    m.width = 20;
    ASSERT_TRUE(load(m));
    EXPECT_EQ(currentMap.background->w, 320);
    EXPECT_EQ(getpixel(currentMap.background, 319, 0), blue);

    // Without its picture the strip still exists, black, at full size.
    gameLog.setFile("tumblo.log");
    gameLog.setEnabled(true);
    m.backgroundFile = "missing.bmp";
    m.width = 30;
    ASSERT_TRUE(load(m));
    gameLog.setEnabled(false);
    EXPECT_EQ(currentMap.background->w, 480);
    EXPECT_EQ(getpixel(currentMap.background, 0, 0), makecol(0, 0, 0));
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
    BITMAP* strip = currentMap.background;

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
    bad.push_back({"negative block count", Bytes()
                                               .raw("TUM1")
                                               .str("x")
                                               .str("m")
                                               .str("TEST.TLS")
                                               .str("b")
                                               .i32(20)
                                               .i32(15)
                                               .i32(0)
                                               .i32(0)
                                               .i32(0)
                                               .i32(-1)
                                               .i32(0)
                                               .i32(0)
                                               .data()});

    for (auto& [why, bytes] : bad) {
        writeFileBytes("DATA/BAD.MAP", bytes);
        EXPECT_FALSE(loadMap("BAD.MAP")) << why;
        EXPECT_STREQ(currentMap.name, "Test Stage") << why;
        EXPECT_EQ(currentMap.blocks.get(), blocks) << why;
        EXPECT_EQ(currentMap.blockCount, 5) << why;
        EXPECT_EQ(currentMap.tiles.get(), tiles) << why;
        EXPECT_EQ(enemies.get(), enemyList) << why;
        EXPECT_EQ(currentMap.background, strip) << why;
        EXPECT_EQ(currentMap.timeLimit, 180) << why;
    }
    EXPECT_FALSE(loadMap("NONE.MAP"));
    EXPECT_EQ(currentMap.blocks.get(), blocks);
}

TEST_F(MapTest, AFailedTilesetKeepsTheOldOneUnlessThereIsNone) {
    MapSpec m = richMap();
    m.tilesetFile = "GONE.TLS";
    EXPECT_FALSE(load(m)); // the first stage: no tiles to build blocks on
    EXPECT_FALSE(currentMap.tiles);
    EXPECT_FALSE(currentMap.blocks);

    ASSERT_TRUE(load(richMap()));
    const TileObject* tiles = currentMap.tiles.get();
    m.name = "Second";
    ASSERT_TRUE(load(m));
    EXPECT_STREQ(currentMap.name, "Second");
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

TEST_F(MapTest, KeepsThePlayingSongButTakesTheNewName) {
    ASSERT_TRUE(load(richMap()));
    currentMap.music.playing = true;
    MapSpec m = richMap();
    m.musicFile = "other.it";
    ASSERT_TRUE(load(m));
    EXPECT_STREQ(currentMap.musicFile, "other.it");
    EXPECT_TRUE(currentMap.music.playing);
}

TEST_F(MapTest, ReadsOnlyTheNameOfAMap) {
    ASSERT_TRUE(load(richMap(), "NAMED.MAP"));
    char out[40] = "unchanged";
    EXPECT_EQ(readMapName("NAMED.MAP", out), out);
    EXPECT_STREQ(out, "Test Stage");
    strcpy(out, "unchanged");
    readMapName("NONE.MAP", out);
    MapSpec longName;
    longName.name = std::string(40, 'x');
    writeFileBytes("DATA/LONG.MAP", longName.bytes().data());
    readMapName("LONG.MAP", out);
    EXPECT_STREQ(out, "unchanged");
}
