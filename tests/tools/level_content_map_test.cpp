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

// The header of the map compiled from `header` with the given start in pixels.
Bytes headerBytes(int startX, int startY) {
    return Bytes()
        .raw("TUM1")
        .str("Test Beach")
        .str("TROPICAL.IT")
        .str("BEACH.TLS")
        .str("BG02.BMP")
        .i32(20)
        .i32(15)
        .i32(startX)
        .i32(startY)
        .i32(3);
}

Bytes& block(Bytes& b, std::initializer_list<int> values) {
    for (int v : values)
        b.i32(v);
    return b;
}
} // namespace

TEST_F(MapSourceTest, HeaderBlocksAndEnemiesComeOutAsTheGameReadsThem) {
    ASSERT_EQ(compileMap(std::string(header) + "start 2 11\n" + keys +
                         "enemy 7 12 hurter left speed 150 accel 25 jump 6\n" + grid()),
              0)
        << content.output;
    // Start in pixels; blocks: the cup's, row 13's, the floor; two treasures.
    Bytes expected = headerBytes(2 * 16, 11 * 16).i32(1 + 5 + 20).i32(2);
    // Grid order, row by row, except that the turn marker comes last: an actor's
    // "last marker" starts at block 0.
    block(expected, {9, 12, 0, 0, 0, 0, 3, 0, 2});            // cup
    block(expected, {1, 13, 0, 0, 0, 0, 0, 1, 1});            // gold
    block(expected, {2, 13, 1, 8, 0, 0, 1, 1, 0});            // bounce
    block(expected, {5, 13, 5, 18 * 16, 3 * 16, 0, 2, 1, 0}); // teleport
    block(expected, {19, 13, 4, 0, 0, 0, 2, 1, 0});           // goal
    for (int x = 0; x < 20; ++x)
        block(expected, {x, 14, 0, 0, 0, 0, 0, 1, 0}); // floor
    block(expected, {0, 13, 3, 0, 0, 0, 0, 1, 0});     // marker
    // The file counts an enemy's row two below the cell it stands in.
    block(expected.i32(1), {7, 14, 25, 6, 0, 0, 1, 1, 150, -1, 800});
    EXPECT_EQ(readFileBytes("DATA/STAGE.MAP"), expected.data());
}

TEST_F(MapSourceTest, StartInPixelsIsTakenAsGivenAndTrailingBlankLinesAreNoRows) {
    ASSERT_EQ(compileMap(std::string(header) + "start 40 150 px\n" + keys + grid() + "\n\n"), 0)
        << content.output;
    std::vector<uint8_t> head = headerBytes(40, 150).data();
    std::vector<uint8_t> file = readFileBytes("DATA/STAGE.MAP");
    file.resize(std::min(file.size(), head.size()));
    EXPECT_EQ(file, head);
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
    };
    for (const auto& [source, message] : cases) {
        EXPECT_EQ(compileMap(source), 1) << message;
        EXPECT_TRUE(content.said(message)) << content.output;
        EXPECT_FALSE(fileExists("DATA/STAGE.MAP"));
    }
}
