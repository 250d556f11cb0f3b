#include "tools/level_content_run.h"

#include <gtest/gtest.h>

TEST(TilesetSourceTest, TilesComeOutInIndexOrder) {
    TempGameDir game;
    ContentRun content;
    content.write("tilesets/beach.txt", "# name picture animation w h\n"
                                        "top   BITMAP\\TILES\\B_TOP.BMP   -               16 16\n"
                                        "goal  BITMAP\\TILES\\B_GOAL.BMP  DATA\\TILE4.ANM  16 8\n");
    ASSERT_EQ(content.compile("tilesets"), 0) << content.output;
    // No animation is an empty name.
    EXPECT_EQ(readFileBytes("DATA/BEACH.TLS"), Bytes()
                                                   .i32(2)
                                                   .str("BITMAP\\TILES\\B_TOP.BMP").str("")
                                                   .i32(16).i32(16)
                                                   .str("BITMAP\\TILES\\B_GOAL.BMP").str("DATA\\TILE4.ANM")
                                                   .i32(16).i32(8)
                                                   .data());
}

TEST(TilesetSourceTest, RefusesWhatTheTilesetFileCannotHold) {
    TempGameDir game;
    ContentRun content;
    std::string longPath = "BITMAP\\" + std::string(69, 'x') + ".BMP"; // 80 bytes
    const std::pair<std::string, const char*> cases[] = {
        {"top " + longPath + " - 16 16\n",
         "beach.txt:1: the picture path is 80 bytes long; the game holds at most 79"},
        {"top A.BMP - 16 16\ntop B.BMP - 16 16\n", "beach.txt:2: tile 'top' is already tile 0"},
        {"top A.BMP - 0 16\n", "beach.txt:1:"},
    };
    for (const auto& [source, message] : cases) {
        content.write("tilesets/beach.txt", source);
        EXPECT_EQ(content.compile("tilesets"), 1) << source;
        EXPECT_TRUE(content.said(message)) << content.output;
        EXPECT_FALSE(fileExists("DATA/BEACH.TLS"));
    }
}
