#include "tools/level_content_run.h"

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
    TempGameDir game;
    ContentRun content;
};

struct Block {
    int values[9];
};
} // namespace

TEST_F(MapSourceTest, HeaderBlocksAndEnemiesComeOutAsTheGameReadsThem) {
    ASSERT_EQ(compileMap(std::string(header) + "start 2 11\n" + keys +
                         "enemy 7 12 hurter left speed 150 accel 25 jump 6\n" + grid()),
              0)
        << content.output;
    DataReader in("DATA\\STAGE.MAP");
    ASSERT_TRUE(in.isOpen());
    char magic[4];
    in.readBytes(magic, 4);
    EXPECT_EQ(std::string(magic, 4), "TUM1");
    EXPECT_EQ(readText(in), "Test Beach");
    EXPECT_EQ(readText(in), "TROPICAL.IT");
    EXPECT_EQ(readText(in), "BEACH.TLS");
    EXPECT_EQ(readText(in), "BG02.BMP");
    EXPECT_EQ(readInt32(in), 20);     // width
    EXPECT_EQ(readInt32(in), 15);     // height
    EXPECT_EQ(readInt32(in), 2 * 16); // start in pixels
    EXPECT_EQ(readInt32(in), 11 * 16);
    EXPECT_EQ(readInt32(in), 3);          // time code
    EXPECT_EQ(readInt32(in), 1 + 5 + 20); // blocks: the cup's, row 13's, the floor
    EXPECT_EQ(readInt32(in), 2);          // treasures
    std::vector<Block> blocks(26);
    for (Block& b : blocks)
        for (int& v : b.values)
            v = readInt32(in);
    // Grid order, row by row, except that the turn marker comes last: an actor's
    // "last marker" starts at block 0.
    Block cup = {{9, 12, 0, 0, 0, 0, 3, 0, 2}};
    Block gold = {{1, 13, 0, 0, 0, 0, 0, 1, 1}};
    Block bounce = {{2, 13, 1, 8, 0, 0, 1, 1, 0}};
    Block teleport = {{5, 13, 5, 18 * 16, 3 * 16, 0, 2, 1, 0}};
    Block goal = {{19, 13, 4, 0, 0, 0, 2, 1, 0}};
    Block floor = {{4, 14, 0, 0, 0, 0, 0, 1, 0}};
    Block marker = {{0, 13, 3, 0, 0, 0, 0, 1, 0}};
    auto same = [](const Block& a, const Block& b) {
        return std::equal(a.values, a.values + 9, b.values);
    };
    EXPECT_TRUE(same(blocks[0], cup));
    EXPECT_TRUE(same(blocks[1], gold));
    EXPECT_TRUE(same(blocks[2], bounce));
    EXPECT_TRUE(same(blocks[3], teleport));
    EXPECT_TRUE(same(blocks[4], goal));
    EXPECT_TRUE(same(blocks[9], floor));
    EXPECT_TRUE(same(blocks[25], marker));
    EXPECT_EQ(readInt32(in), 1);
    // The file counts an enemy's row two below the cell it stands in.
    int enemy[] = {7, 14, 25, 6, 0, 0, 1, 1, 150, -1, 800};
    for (int v : enemy)
        EXPECT_EQ(readInt32(in), v);
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(in.size(), 4 + (4 + 10) + (4 + 11) + (4 + 9) + (4 + 8) + 4 * 7 + 26 * 36 + 4 + 44);
}

TEST_F(MapSourceTest, StartInPixelsIsTakenAsGivenAndTrailingBlankLinesAreNoRows) {
    ASSERT_EQ(compileMap(std::string(header) + "start 40 150 px\n" + keys + grid() + "\n\n"), 0)
        << content.output;
    DataReader in("DATA\\STAGE.MAP");
    char skip[80];
    in.readBytes(skip, 4);
    for (int i = 0; i < 4; ++i)
        readString(skip, in);
    EXPECT_EQ(readInt32(in), 20);
    EXPECT_EQ(readInt32(in), 15);
    EXPECT_EQ(readInt32(in), 40);
    EXPECT_EQ(readInt32(in), 150);
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
        {noKeys + "key s plain sand solid\n" + grid(), "stage.txt:7: tile 'sand' is not in BEACH.TLS"},
        {noKeys + "key s plain 4 solid\n" + grid(), "stage.txt:7: tile '4' is not in BEACH.TLS"},
        {noKeys + "key ^ bounce spring solid\n" + grid(), "stage.txt:7: a bounce block needs rise N"},
        {top + "key T plain top solid\n" + grid(), "stage.txt:14: key T is already defined on line 11"},
        {std::string(header) + "start 20 3\n" + keys + grid(), "stage.txt:6: the start lies outside the map"},
    };
    for (const auto& [source, message] : cases) {
        EXPECT_EQ(compileMap(source), 1) << message;
        EXPECT_TRUE(content.said(message)) << content.output;
        EXPECT_FALSE(fileExists("DATA/STAGE.MAP"));
    }
}
