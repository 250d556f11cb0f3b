#include "tools/level_content_run.h"

#include <gtest/gtest.h>

namespace {
class TilesetSourceTest : public ::testing::Test {
  protected:
    TempGameDir game;
    ContentRun content;
};
} // namespace

TEST_F(TilesetSourceTest, TilesComeOutInIndexOrder) {
    content.write("tilesets/beach.txt", "# name picture animation w h\n"
                                        "top   BITMAP\\TILES\\B_TOP.BMP   -               16 16\n"
                                        "goal  BITMAP\\TILES\\B_GOAL.BMP  DATA\\TILE4.ANM  16 8\n");
    ASSERT_EQ(content.compile("tilesets"), 0) << content.output;
    DataReader in("DATA\\BEACH.TLS");
    ASSERT_TRUE(in.isOpen());
    EXPECT_EQ(readInt32(in), 2);
    EXPECT_EQ(readText(in), "BITMAP\\TILES\\B_TOP.BMP");
    EXPECT_EQ(readText(in), ""); // no animation
    EXPECT_EQ(readInt32(in), 16);
    EXPECT_EQ(readInt32(in), 16);
    EXPECT_EQ(readText(in), "BITMAP\\TILES\\B_GOAL.BMP");
    EXPECT_EQ(readText(in), "DATA\\TILE4.ANM");
    EXPECT_EQ(readInt32(in), 16);
    EXPECT_EQ(readInt32(in), 8);
    EXPECT_FALSE(in.failed());
}

TEST_F(TilesetSourceTest, RefusesWhatTheTilesetFileCannotHold) {
    std::string longPath = "BITMAP\\" + std::string(69, 'x') + ".BMP"; // 80 bytes
    content.write("tilesets/beach.txt", "top " + longPath + " - 16 16\n");
    EXPECT_EQ(content.compile("tilesets"), 1);
    EXPECT_NE(content.output.find("beach.txt:1: the picture path is 80 bytes long; the game "
                                  "holds at most 79"),
              std::string::npos)
        << content.output;

    content.write("tilesets/beach.txt", "top A.BMP - 16 16\ntop B.BMP - 16 16\n");
    EXPECT_EQ(content.compile("tilesets"), 1);
    EXPECT_NE(content.output.find("beach.txt:2: tile 'top' is already tile 0"), std::string::npos);

    content.write("tilesets/beach.txt", "top A.BMP - 0 16\n");
    EXPECT_EQ(content.compile("tilesets"), 1);
    EXPECT_FALSE(fileExists("DATA/BEACH.TLS"));
}
