// Checks the shipped font in the built data tree: every character and icon the
// game's texts use is there, counters line up, and the glyph sheet loads.
#include "platform/bitmap_file.h"
#include "support/test_env.h"
#include "text/font.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {
// The icons the game's texts call up with "$" (plus "$$", the dollar sign itself).
constexpr const char* usedIcons = "ABCDEFGHIJrludgsb$";

class ShippedFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("TUMBLO_GAME_DIR");
        if (!dir || !*dir)
            GTEST_SKIP() << "TUMBLO_GAME_DIR is not set; build the data tree and point it there";
        here = std::make_unique<InDir>(dir);
        ASSERT_TRUE(here->ok) << "cannot enter " << dir;
        ensureHeadless();
    }
    std::unique_ptr<InDir> here;
};
} // namespace

TEST_F(ShippedFontTest, DefinesEveryCharacterAndIconWithEqualDigits) {
    Font font;
    std::string error;
    ASSERT_TRUE(font.load("DATA\\FONT.FNT", error)) << error;
    EXPECT_GT(font.glyphHeight, 0);
    EXPECT_GE(font.lineHeight, font.glyphHeight) << "lines would overlap";
    EXPECT_GT(font.spaceWidth, 0);
    for (int c = 33; c <= 126; ++c)
        EXPECT_GT(font.glyphs[c].width, 0) << "glyph '" << (char)c << "' is missing";
    for (const char* p = usedIcons; *p; ++p)
        EXPECT_GT(font.icons[(unsigned char)*p].width, 0) << "icon $" << *p << " is missing";
    for (char d = '1'; d <= '9'; ++d)
        EXPECT_EQ(font.glyphs[(unsigned char)d].width, font.glyphs['0'].width)
            << "digit " << d << " is not as wide as 0";
}

TEST_F(ShippedFontTest, SheetLoadsAndHoldsEveryEntry) {
    Font font;
    std::string error;
    ASSERT_TRUE(font.load("DATA\\FONT.FNT", error)) << error;
    Picture sheet = loadBitmap("BITMAP\\GENERAL\\FONT.BMP");
    ASSERT_TRUE(sheet) << "BITMAP\\GENERAL\\FONT.BMP does not load";
    auto inside = [&](const GlyphEntry& e) {
        return e.x >= 0 && e.y >= 0 && e.x + e.width <= sheet.width() &&
               e.y + font.glyphHeight <= sheet.height();
    };
    for (int c = 33; c <= 126; ++c)
        EXPECT_TRUE(inside(font.glyphs[c])) << "glyph '" << (char)c << "' lies outside the sheet";
    for (const char* p = usedIcons; *p; ++p)
        EXPECT_TRUE(inside(font.icons[(unsigned char)*p]))
            << "icon $" << *p << " lies outside the sheet";
}
