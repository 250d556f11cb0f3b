#include "tools/level_content_run.h"

#include "level/map_format.h"
#include "text/data_file.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace {
const char* tileset = "top    T.BMP -              16 16\n"
                      "spring S.BMP -              16 16\n"
                      "flag   F.BMP DATA\\TILE4.ANM 16 16\n"
                      "air    A.BMP -              16 16\n";

const char* header = "name        Test Beach\n"
                     "tune        TROPICAL.IT\n"
                     "tileset     BEACH.TLS\n"
                     "background  BG02.BMP\n"
                     "time        3\n";

const char* keys = "key = plain top solid\n"
                   "key g plain top solid gold\n"
                   "key C plain air passable cup\n"
                   "key ^ bounce spring solid rise 8\n"
                   "key T teleport 2 solid to 18 3\n"
                   "key m marker top solid\n"
                   "key F goal flag solid\n";

// 20 x 15: row 13 holds, left to right, a marker, gold, a bounce block, a
// teleport and the goal; a cup floats in row 12.
std::string grid(const std::string& row13 = "mg^..T.............F") {
    std::string rows = "grid\n";
    for (int r = 0; r < 12; ++r)
        rows += "....................\n";
    rows += ".........C..........\n" + row13 + "\n====================\n";
    return rows;
}

class MapSourceTest : public ::testing::Test {
protected:
    void SetUp() override { content.write("tilesets/beach.txt", tileset); }
    int compileMap(const std::string& source) {
        content.write("maps/stage.txt", source);
        return content.compile("maps");
    }
    // The compiler refuses `source`, names `message` and writes no map.
    void refused(const std::string& source, const char* message) {
        std::remove("DATA/STAGE.MAP");
        EXPECT_EQ(compileMap(source), 1) << message;
        EXPECT_TRUE(content.said(message)) << content.output;
        EXPECT_FALSE(fileExists("DATA/STAGE.MAP"));
    }
    TempGameDir game;
    ContentRun content;
};

// The compiled stage as the game's own map reader reads it.
MapFile compiledMap() {
    MapFile map;
    DataReader in("DATA\\STAGE.MAP");
    EXPECT_TRUE(readMapFile(in, map));
    return map;
}

// A grid of the given size: a floor under the goal, nothing else.
std::string floorGrid(int width, int height) {
    std::string rows = "grid\n";
    for (int r = 0; r + 2 < height; ++r)
        rows += std::string(width, '.') + "\n";
    rows += std::string(width - 1, '.') + "F\n" + std::string(width, '=') + "\n";
    return rows;
}
} // namespace

TEST_F(MapSourceTest, HeaderBlocksAndEnemiesComeOutAsTheGameReadsThem) {
    ASSERT_EQ(compileMap(std::string(header) + "start 2 11\n" + keys +
                         "enemy 7 12 hurter left speed 150 accel 25 jump 6\n" + grid()),
              0)
        << content.output;
    MapFile map = compiledMap();
    EXPECT_EQ(map.name, "Test Beach");
    EXPECT_EQ(map.musicFile, "TROPICAL.IT");
    EXPECT_EQ(map.tilesetFile, "BEACH.TLS");
    EXPECT_EQ(map.backgroundFile, "BG02.BMP");
    EXPECT_EQ(std::vector<int>({map.width, map.height, map.startX, map.startY, map.timeCode}),
              std::vector<int>({20, 15, 2 * 16, 11 * 16, 3}));
    EXPECT_EQ(map.bonusCount, 2);
    // Grid order, row by row, except that the turn marker comes last: an actor's
    // "last marker" starts at block 0.
    std::vector<MapBlockRecord> blocks = {
        {9, 12, blockPlain, 0, 0, 0, 3, 0, 2},               // cup
        {1, 13, blockPlain, 0, 0, 0, 0, 1, 1},               // gold
        {2, 13, blockBounce, 8, 0, 0, 1, 1, 0},              // bounce
        {5, 13, blockTeleport, 18 * 16, 3 * 16, 0, 2, 1, 0}, // teleport
        {19, 13, blockGoal, 0, 0, 0, 2, 1, 0}};              // goal
    for (int x = 0; x < 20; ++x)
        blocks.push_back({x, 14, blockPlain, 0, 0, 0, 0, 1, 0}); // floor
    blocks.push_back({0, 13, blockTurnMarker, 0, 0, 0, 0, 1, 0});
    EXPECT_EQ(map.blocks, blocks);
    // The file counts an enemy's row two below the cell it stands in.
    MapEnemyRecord hurter{7, 14, 25, 6, 0, 0, 1, enemyHurter, 150, -1, 800};
    EXPECT_EQ(map.enemies, std::vector<MapEnemyRecord>{hurter});
}

// What the compiler accepts, the game reads; one past a limit, both refuse.
TEST_F(MapSourceTest, CompilerAndGameAgreeOnTheLimits) {
    std::string top = std::string(header) + "start 0 0\n" + keys;
    ASSERT_EQ(compileMap(top + floorGrid(maxMapCells, 15)), 0) << content.output;
    EXPECT_EQ(compiledMap().width, maxMapCells);
    ASSERT_EQ(compileMap(top + floorGrid(20, maxMapCells)), 0) << content.output;
    EXPECT_EQ(compiledMap().height, maxMapCells);
    // 1024 x 32 cells filled: exactly as many blocks as a map may hold.
    std::string full = "grid\n";
    for (int r = 0; r < 32; ++r)
        full += std::string(maxMapCells - 1, '=') + (r == 0 ? "F" : "=") + "\n";
    ASSERT_EQ(compileMap(top + full), 0) << content.output;
    EXPECT_EQ((int32_t)compiledMap().blocks.size(), maxMapBlocks);
    std::string enemies;
    for (int i = 0; i < maxMapEnemies; ++i)
        enemies += "enemy 3 3 bouncer still\n";
    ASSERT_EQ(compileMap(top + enemies + grid()), 0) << content.output;
    EXPECT_EQ((int32_t)compiledMap().enemies.size(), maxMapEnemies);
    // The shortest clock, 30 s.
    std::string rest = std::string(header).substr(0, std::string(header).find("time"));
    ASSERT_EQ(compileMap(rest + "time -2\nstart 0 0\n" + keys + grid()), 0) << content.output;
    EXPECT_EQ(mapTimeLimit(compiledMap().timeCode), 30);

    const std::pair<std::string, const char*> beyond[] = {
        {top + floorGrid(maxMapCells + 1, 15), "at most 1024 each way"},
        {top + floorGrid(20, maxMapCells + 1), "at most 1024 each way"},
        {top + full + std::string(maxMapCells, '=') + "\n", "a map holds at most 32768"},
        {top + enemies + "enemy 3 3 bouncer still\n" + grid(), "a map holds at most 1024"},
    };
    for (const auto& [source, message] : beyond)
        refused(source, message);
    // The game refuses the same maps written by the format's own writer.
    MapFile wide;
    wide.width = maxMapCells + 1;
    MapFile crowded;
    crowded.blocks.resize(maxMapBlocks + 1);
    MapFile swarming;
    swarming.enemies.resize(maxMapEnemies + 1);
    for (const MapFile* refused : {&wide, &crowded, &swarming}) {
        DataWriter out;
        writeMapFile(out, *refused);
        DataReader in(out.bytes());
        MapFile read;
        EXPECT_FALSE(readMapFile(in, read));
    }
}

TEST_F(MapSourceTest, RefusesGridsAndValuesTheGameCannotPlay) {
    std::string top = std::string(header) + "start 2 11\n" + keys;
    std::string narrow = "grid\n";
    for (int r = 0; r < 15; ++r)
        narrow += "F..................\n";
    std::string rest = std::string(header).substr(std::string(header).find('\n') + 1);
    std::string noKeys = std::string(header) + "start 2 11\n";
    const std::pair<std::string, const char*> cases[] = {
        {top + grid("mg^..T.............F."),
         "stage.txt:28: row is 21 cells wide; the first row has 20"},
        {top + grid("mg^..T......?......F"), "stage.txt:28: letter '?' in column 12 has no key"},
        {top + grid("mg^..T.............."), "the map has no goal block"},
        {top + narrow, "the grid is 19 x 15 cells; at least 20 x 15"},
        {"name " + std::string(40, 'n') + "\n" + rest + "start 2 11\n" + keys + grid(),
         "stage.txt:1: the name is 40 bytes long; the game holds at most 39"},
        {noKeys + "key s plain sand solid\n" + grid(),
         "stage.txt:7: tile 'sand' is not in BEACH.TLS"},
        {noKeys + "key s plain 4 solid\n" + grid(), "stage.txt:7: tile '4' is not in BEACH.TLS"},
        {noKeys + "key ^ bounce spring solid\n" + grid(),
         "stage.txt:7: a bounce block needs rise N"},
        {top + "key T plain top solid\n" + grid(),
         "stage.txt:14: key T is already defined on line 11"},
        {std::string(header) + "start 20 3\n" + keys + grid(),
         "stage.txt:6: the start lies outside the map"},
        {std::string(header).substr(0, std::string(header).find("time")) + "time -3\nstart 2 11\n" +
             keys + grid(),
         "stage.txt:5: time needs a number N from -2 up"},
    };
    for (const auto& [source, message] : cases)
        refused(source, message);
}
