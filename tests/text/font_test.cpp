#include "platform/display.h"
#include "support/test_env.h"
#include "text/data_file.h"
#include "text/font.h"
#include "text/font_format.h"

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
Picture makeSheet() {
    Picture sheet = Picture::create(16, 4);
    clearPicture(sheet, colourOf(255, 255, 255));
    for (int y = 0; y < 4; ++y)
        setPixel(sheet, 1, y, transparentColour());
    return sheet;
}

class FontTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        writeFileBytes("DATA/FONT.FNT", smallFontFile().data());
        std::string error;
        ASSERT_TRUE(font.load("DATA\\FONT.FNT", error)) << error;
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
    Picture target = Picture::create(40, 20);
    int black = colourOf(0, 0, 0), white = colourOf(255, 255, 255);
    clearPicture(target, black);
    font.drawText("A\nB", 10, 2, target);
    EXPECT_EQ(pixelAt(target, 10, 2), white);
    EXPECT_EQ(pixelAt(target, 11, 2), black); // mask pixel left out
    EXPECT_EQ(pixelAt(target, 12, 5), white);
    EXPECT_EQ(pixelAt(target, 13, 2), black); // "A" ends after 3 pixels
    EXPECT_EQ(pixelAt(target, 10, 8), white); // "B" one line lower, at the start x
    EXPECT_EQ(pixelAt(target, 12, 8), black);

    clearPicture(target, black);
    font.drawTextRight("B", 0, target); // x = 40 - 2 - 2
    EXPECT_EQ(pixelAt(target, 36, 0), white);
    EXPECT_EQ(pixelAt(target, 35, 0), black);
    font.drawTextCentered("$C", 10, target); // x = (40 - 5) / 2
    EXPECT_EQ(pixelAt(target, 17, 10), white);
    EXPECT_EQ(pixelAt(target, 16, 10), black);
    font.drawText("\xfe$", 0, 15, target); // safe, draws nothing
}

TEST_F(FontTest, RefusesForeignShortOrDamagedFilesAndKeepsWhatItHad) {

    std::string error;
    std::vector<uint8_t> bad = smallFontFile().data();
    bad[5] = '7'; // "VF2007"
    writeFileBytes("DATA/BAD.FNT", bad);
    EXPECT_FALSE(font.load("DATA\\BAD.FNT", error));
    EXPECT_EQ(error, "This is not a valid FONT: DATA\\BAD.FNT");
    writeFileBytes("DATA/SHORT.FNT", smallFontFile().truncated(40));
    EXPECT_FALSE(font.load("DATA\\SHORT.FNT", error));
    writeFileBytes("DATA/TINY.FNT", {'V', 'F'});
    EXPECT_FALSE(font.load("DATA\\TINY.FNT", error));
    writeFileBytes(
        "DATA/CODE.FNT",
        Bytes().raw("VF2006").i32(4).i32(2).i32(6).i32(1).i32(383).i32(0).i32(0).i32(1).data());
    EXPECT_FALSE(font.load("DATA\\CODE.FNT", error));
    writeFileBytes("DATA/COUNT.FNT", Bytes().raw("VF2006").i32(4).i32(2).i32(6).i32(-1).data());
    EXPECT_FALSE(font.load("DATA\\COUNT.FNT", error));
    EXPECT_FALSE(font.load("DATA\\MISSING.FNT", error));
    EXPECT_EQ(error, "Unable to load FONT: DATA\\MISSING.FNT");
    EXPECT_EQ(font.glyphs['B'].x, 3); // untouched by every refusal
    EXPECT_EQ(font.glyphHeight, 4);
}
