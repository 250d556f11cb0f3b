// The shipped pictures as the game loads them: the game's picture loader at the
// game's 16-bit depth, from the built data tree, with the sizes and layouts the
// game draws them with.
#include "platform/bitmap_file.h"
#include "platform/paths.h"
#include "support/test_env.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {
struct ShippedPicture {
    const char* path;
    int width, height;
};

const ShippedPicture backgrounds[] = {
    {"BITMAP/BG/BG01.BMP", 320, 240}, {"BITMAP/BG/BG02.BMP", 320, 240},
    {"BITMAP/BG/BG03.BMP", 320, 240}, {"BITMAP/BG/BG04.BMP", 320, 240},
    {"BITMAP/BG/BG05.BMP", 320, 240}, {"BITMAP/BG/BG06.BMP", 320, 240},
    {"BITMAP/BG/BG08.BMP", 320, 240}, {"BITMAP/BG/BGCRED.BMP", 320, 240},
};

const ShippedPicture pictures[] = {
    {"BITMAP/GENERAL/LOGO.BMP", 236, 60},           {"BITMAP/GENERAL/TITLE_LOGO.BMP", 320, 240},
    {"BITMAP/GENERAL/TITLE_ANIM.BMP", 27 * 39, 40}, {"BITMAP/GENERAL/SUN.BMP", 98, 64},
    {"BITMAP/GENERAL/SKY.BMP", 320, 176},           {"BITMAP/GENERAL/WATER.BMP", 320, 64},
    {"BITMAP/GENERAL/CLIFF.BMP", 100, 150},         {"BITMAP/GENERAL/SUNSETWAVE.BMP", 4 * 98, 65},
};

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
        for (const char* tile : {"TOP", "FILL", "BLOCK", "PLATFORM", "BOUNCE", "HURT", "MARKER",
                                 "DECO", "STRONG", "CRACK"})
            all.push_back(
                {std::string("BITMAP\\TILES\\") + theme + "_" + tile + ".bmp", 16, 16, 1, 1});
        for (const char* tile : {"GOAL", "TELEPORT", "TRAP"})
            all.push_back(
                {std::string("BITMAP\\TILES\\") + theme + "_" + tile + ".bmp", 16, 16, 4, 1});
        all.push_back({std::string("BITMAP\\TILES\\") + theme + "_AIR.bmp", 16, 16, 1, 1, true});
    }
    return all;
}

class ShippedPictures : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("TUMBLO_GAME_DIR");
        if (!dir) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
        here = std::make_unique<InDir>(dir);
        ASSERT_TRUE(here->ok) << dir;
        ensureHeadless();
    }
    void TearDown() override { bitmap.reset(); }
    // Loads a picture and checks its depth and size; false (with a failure) if not.
    bool load(const ShippedPicture& p) {
        bitmap.reset();
        std::string path = resolvePath(p.path);
        bitmap = loadBitmapFile(path);
        EXPECT_TRUE(bitmap) << path;
        if (!bitmap) return false;
        // Converted to the frame's 16 bits a pixel.
        EXPECT_EQ(pictureRowBytes(bitmap), (size_t)bitmap.width() * 2) << p.path;
        EXPECT_EQ(bitmap.width(), p.width) << p.path;
        EXPECT_EQ(bitmap.height(), p.height) << p.path;
        return bitmap.width() == p.width && bitmap.height() == p.height;
    }
    bool isMask(int x, int y) const { return pixelAt(bitmap, x, y) == transparentColour(); }
    int maskCount(int x, int y, int w, int h) const {
        int n = 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                n += isMask(i, j);
        return n;
    }
    // Mean difference of the colours of two columns, over all rows and channels.
    double columnDifference(int a, int b) const {
        double sum = 0;
        for (int y = 0; y < bitmap.height(); ++y) {
            int pr, pg, pb, qr, qg, qb;
            colourParts(pixelAt(bitmap, a, y), pr, pg, pb);
            colourParts(pixelAt(bitmap, b, y), qr, qg, qb);
            sum += std::abs(pr - qr) + std::abs(pg - qg) + std::abs(pb - qb);
        }
        return sum / bitmap.height();
    }

    std::unique_ptr<InDir> here;
    Picture bitmap;
};

// The map strip repeats the picture every 320 pixels and the menus wrap it, so
// the join from column 319 to column 0 must look like any other pair of
// neighbouring columns; a hole of mask colour would show through the menus'
// masked blit.
TEST_F(ShippedPictures, BackgroundsTileWithoutASeamAndHaveNoHoles) {
    for (const ShippedPicture& p : backgrounds) {
        if (!load(p)) continue;
        double neighbours = 0;
        for (int x = 0; x + 1 < bitmap.width(); ++x)
            neighbours += columnDifference(x, x + 1);
        neighbours /= bitmap.width() - 1;
        EXPECT_LE(columnDifference(bitmap.width() - 1, 0), 1.5 * neighbours + 2.0) << p.path;
        EXPECT_EQ(maskCount(0, 0, bitmap.width(), bitmap.height()), 0) << p.path;
    }
}

TEST_F(ShippedPictures, MaskedPicturesAreTransparentWhereTheGameExpects) {
    // The studio picture: the animation shows through exactly its window.
    if (load(pictures[1])) {
        EXPECT_EQ(maskCount(141, 93, 39, 40), 39 * 40);
        EXPECT_EQ(maskCount(0, 0, 320, 240), 39 * 40);
    }
    // Sky and water are blitted unmasked: no mask colour at all.
    if (load(pictures[4])) {
        EXPECT_EQ(maskCount(0, 0, 320, 176), 0);
    }
    if (load(pictures[5])) {
        EXPECT_EQ(maskCount(0, 0, 320, 64), 0);
    }
    // Logo and sun are shapes on a transparent ground; the cliff stands at the right.
    for (int i : {0, 3}) {
        if (!load(pictures[i])) continue;
        EXPECT_TRUE(isMask(0, 0) && isMask(bitmap.width() - 1, 0)) << pictures[i].path;
        EXPECT_FALSE(isMask(bitmap.width() / 2, bitmap.height() / 2)) << pictures[i].path;
    }
    if (load(pictures[6])) {
        EXPECT_TRUE(isMask(0, 0));
        EXPECT_TRUE(isMask(0, 149));
        EXPECT_FALSE(isMask(99, 149));
        EXPECT_FALSE(isMask(99, 75));
    }
    // The sun sits on the horizon: its bottom row is not all transparent.
    if (load(pictures[3])) {
        EXPECT_LT(maskCount(0, 63, 98, 1), 98);
    }
}

// The sprite sheets and tiles: the layout the animations and maps are written
// against, and no frame of the layout left blank.
TEST_F(ShippedPictures, SheetsHaveTheirLayoutAndNoBlankFrames) {
    for (const Sheet& sheet : sheets()) {
        SCOPED_TRACE(sheet.path);
        int w = sheet.frameWidth, h = sheet.frameHeight;
        if (!load({sheet.path.c_str(), w * sheet.columns, h * sheet.rows})) continue;
        for (int row = 0; row < sheet.rows; ++row)
            for (int column = 0; column < sheet.columns; ++column) {
                int masked = maskCount(column * w, row * h, w, h);
                if (sheet.blank)
                    EXPECT_EQ(masked, w * h) << "frame " << column << "," << row;
                else
                    EXPECT_LT(masked, w * h) << "frame " << column << "," << row << " is blank";
            }
    }
}
} // namespace
