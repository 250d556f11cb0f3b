// The shipped sprite sheets and tiles: each loads at the game's colour depth with
// the layout the animations and maps are written against, and no frame of the
// layout is left blank.
#include "platform/paths.h"
#include "support/test_env.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sheet {
    std::string path;
    int frameWidth, frameHeight, columns, rows;
    bool blank = false; // every pixel is the mask colour
};

std::vector<Sheet> sheets() {
    std::vector<Sheet> all = {
        {"BITMAP\\GENERAL\\tumblo.bmp", 16, 16, 10, 2},
        {"BITMAP\\GENERAL\\enemy1.bmp", 16, 16, 6, 1},
        {"BITMAP\\GENERAL\\enemy2.bmp", 16, 16, 4, 1},
        {"BITMAP\\GENERAL\\enemy3.bmp", 16, 16, 2, 1},
        {"BITMAP\\GENERAL\\gold2.bmp", 16, 16, 6, 1},
        {"BITMAP\\GENERAL\\cup2.bmp", 11, 16, 4, 1},
        {"BITMAP\\GENERAL\\gold.bmp", 12, 12, 1, 1},
        {"BITMAP\\GENERAL\\cup.bmp", 12, 12, 1, 1},
        {"BITMAP\\GENERAL\\life.bmp", 12, 12, 1, 1},
        {"BITMAP\\GENERAL\\time.bmp", 12, 12, 1, 1},
        {"BITMAP\\GENERAL\\gameover.bmp", 160, 48, 1, 1},
    };
    for (const char* theme : {"TROP", "DESE", "CAVE", "ICE"}) {
        for (const char* tile : {"TOP", "FILL", "BLOCK", "PLATFORM", "BOUNCE", "HURT", "MARKER", "DECO"})
            all.push_back({std::string("BITMAP\\TILES\\") + theme + "_" + tile + ".bmp", 16, 16, 1, 1});
        for (const char* tile : {"GOAL", "TELEPORT"})
            all.push_back({std::string("BITMAP\\TILES\\") + theme + "_" + tile + ".bmp", 16, 16, 4, 1});
        all.push_back({std::string("BITMAP\\TILES\\") + theme + "_AIR.bmp", 16, 16, 1, 1, true});
    }
    return all;
}

int opaquePixels(BITMAP* bitmap, int x0, int y0, int width, int height) {
    int mask = bitmap_mask_color(bitmap), count = 0;
    for (int y = y0; y < y0 + height; ++y)
        for (int x = x0; x < x0 + width; ++x) count += getpixel(bitmap, x, y) != mask;
    return count;
}

TEST(SpriteContent, SheetsLoadWithTheirLayoutAndNoBlankFrames) {
    const char* gameDir = std::getenv("TUMBLO_GAME_DIR");
    if (!gameDir) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    ensureHeadless();
    InDir here(gameDir);
    ASSERT_TRUE(here.ok) << gameDir;
    set_color_depth(16);
    for (const Sheet& sheet : sheets()) {
        SCOPED_TRACE(sheet.path);
        std::string file = resolvePath(sheet.path.c_str());
        BITMAP* bitmap = load_bitmap(file.c_str(), nullptr);
        ASSERT_NE(bitmap, nullptr) << file;
        EXPECT_EQ(bitmap_color_depth(bitmap), 16);
        EXPECT_EQ(bitmap->w, sheet.frameWidth * sheet.columns);
        EXPECT_EQ(bitmap->h, sheet.frameHeight * sheet.rows);
        if (bitmap->w == sheet.frameWidth * sheet.columns && bitmap->h == sheet.frameHeight * sheet.rows) {
            for (int row = 0; row < sheet.rows; ++row)
                for (int column = 0; column < sheet.columns; ++column) {
                    int opaque = opaquePixels(bitmap, column * sheet.frameWidth, row * sheet.frameHeight,
                                              sheet.frameWidth, sheet.frameHeight);
                    if (sheet.blank)
                        EXPECT_EQ(opaque, 0) << "frame " << column << "," << row;
                    else
                        EXPECT_GT(opaque, 0) << "frame " << column << "," << row << " is blank";
                }
        }
        destroy_bitmap(bitmap);
    }
}

} // namespace
