#include "platform/display.h"
#include "support/test_env.h"
#include "text/data_file.h"
#include "text/font.h"
#include "text/font_format.h"

#include <allegro.h>
#include <gtest/gtest.h>

namespace {
// A font whose glyph "A" is 3 wide, "B" 2 wide, icon "$C" 5 wide, all 4 high.
Bytes smallFontFile() {
    FontFile font{4, 2, 6, {{'A', 0, 0, 3}, {'B', 3, 0, 2}, {128 + 'C', 5, 0, 5}, {128, 10, 0, 1}}};
    DataWriter out;
    writeFontFile(out, font);
    return Bytes(out.bytes());
}

// A sheet where every glyph pixel is white except a mask column inside "A".
BITMAP* makeSheet() {
    BITMAP* sheet = create_bitmap(16, 4);
    clear_to_color(sheet, makecol(255, 255, 255));
    vline(sheet, 1, 0, 3, makecol(255, 0, 255));
    return sheet;
}

class FontTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        writeFileBytes("DATA/FONT.FNT", smallFontFile().data());
        ASSERT_TRUE(font.load("DATA\\FONT.FNT"));
    }
    TempGameDir dir;
    Font font;
};
} // namespace

TEST_F(FontTest, LoadsTheTableAndMeasuresTexts) {
    EXPECT_EQ(font.glyphHeight, 4);
    EXPECT_EQ(font.lineHeight, 6);
    EXPECT_EQ(font.glyphs['B'].x, 3);
    EXPECT_EQ(font.icons['C'].width, 5);
    EXPECT_EQ(font.glyphs[128].width, 1); // code 128 is a glyph, not an icon
    EXPECT_EQ(font.textWidth("AB"), 5);
    EXPECT_EQ(font.textWidth("A $C"), 3 + 2 + 5); // the icon counts once, not as two
    EXPECT_EQ(font.textWidth("A\nA"), 6);         // undefined line feed glyph is 0 wide
    EXPECT_EQ(font.textWidth("A$"), 3);           // a trailing "$" draws nothing
    EXPECT_EQ(font.textWidth("\xff\xc8"), 0);     // bytes above 127 stay in the table
}

TEST_F(FontTest, DrawsMaskedGlyphsAndBreaksLines) {
    font.sheet = makeSheet();
    BITMAP* target = create_bitmap(40, 20);
    int black = makecol(0, 0, 0), white = makecol(255, 255, 255);
    clear_to_color(target, black);
    font.drawText("A\nB", 10, 2, target);
    EXPECT_EQ(getpixel(target, 10, 2), white);
    EXPECT_EQ(getpixel(target, 11, 2), black); // mask pixel left out
    EXPECT_EQ(getpixel(target, 12, 5), white);
    EXPECT_EQ(getpixel(target, 13, 2), black); // "A" ends after 3 pixels
    EXPECT_EQ(getpixel(target, 10, 8), white); // "B" one line lower, at the start x
    EXPECT_EQ(getpixel(target, 12, 8), black);

    clear_to_color(target, black);
    font.drawTextRight("B", 0, target); // x = 40 - 2 - 2
    EXPECT_EQ(getpixel(target, 36, 0), white);
    EXPECT_EQ(getpixel(target, 35, 0), black);
    font.drawTextCentered("$C", 10, target); // x = (40 - 5) / 2
    EXPECT_EQ(getpixel(target, 17, 10), white);
    EXPECT_EQ(getpixel(target, 16, 10), black);
    font.drawText("\xfe$", 0, 15, target); // safe, draws nothing
    destroy_bitmap(target);
    font.destroySheet();
}

TEST_F(FontTest, RefusesForeignShortOrDamagedFilesAndKeepsWhatItHad) {

    std::vector<uint8_t> bad = smallFontFile().data();
    bad[5] = '7'; // "VF2007"
    writeFileBytes("DATA/BAD.FNT", bad);
    EXPECT_FALSE(font.load("DATA\\BAD.FNT"));
    writeFileBytes("DATA/SHORT.FNT", smallFontFile().truncated(40));
    EXPECT_FALSE(font.load("DATA\\SHORT.FNT"));
    writeFileBytes("DATA/TINY.FNT", {'V', 'F'});
    EXPECT_FALSE(font.load("DATA\\TINY.FNT"));
    writeFileBytes(
        "DATA/CODE.FNT",
        Bytes().raw("VF2006").i32(4).i32(2).i32(6).i32(1).i32(383).i32(0).i32(0).i32(1).data());
    EXPECT_FALSE(font.load("DATA\\CODE.FNT"));
    writeFileBytes("DATA/COUNT.FNT", Bytes().raw("VF2006").i32(4).i32(2).i32(6).i32(-1).data());
    EXPECT_FALSE(font.load("DATA\\COUNT.FNT"));
    EXPECT_FALSE(font.load("DATA\\MISSING.FNT"));
    EXPECT_EQ(font.glyphs['B'].x, 3); // untouched by every refusal
    EXPECT_EQ(font.glyphHeight, 4);
}
