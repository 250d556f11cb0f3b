// The ".BMP" decoder over every variant painting programs write, with exact
// pixels, and over short and damaged files read from a buffer that faults on
// any read past its end.
#include "platform/bmp_test_files.h"

#include <gtest/gtest.h>

namespace {
constexpr uint32_t opaque = 0xFF000000;

// Decodes from a guarded copy; the picture's pixels, top row first, or none.
bool decode(const std::vector<uint8_t>& file, BmpPicture& picture) {
    GuardedBytes bytes(file);
    return decodeBmp(bytes.data(), bytes.size(), picture);
}

// A 3 x 2 palette picture: the rows as the eye sees them, top first.
BmpFile palettePicture(int bits, bool topDown) {
    BmpFile f;
    f.bits = bits;
    f.width = 3;
    f.height = topDown ? -2 : 2;
    f.palette.assign((size_t)1 << bits, 0x000000);
    f.palette[0] = 0x102030;
    f.palette[1] = 0xFF00FF;
    if (bits > 1) f.palette[2] = 0xA0B0C0, f.palette[(size_t)(1 << bits) - 1] = 0x0000FF;
    uint32_t last = (1u << bits) - 1;
    std::vector<std::vector<uint32_t>> rows = {{0, 1, last}, {1, 0, bits > 1 ? 2u : 1u}};
    if (!topDown) std::swap(rows[0], rows[1]);
    f.pixels = packRows(bits, rows);
    return f;
}
} // namespace

TEST(BmpDecode, PaletteDepthsBottomUpAndTopDown) {
    for (int bits : {1, 4, 8})
        for (bool topDown : {false, true}) {
            BmpPicture p;
            ASSERT_TRUE(decode(palettePicture(bits, topDown).bytes(), p)) << bits << topDown;
            ASSERT_EQ(p.width, 3);
            ASSERT_EQ(p.height, 2);
            uint32_t last = bits == 1 ? 0xFF00FF : 0x0000FF;
            uint32_t third = bits == 1 ? 0xFF00FF : 0xA0B0C0;
            EXPECT_EQ(p.pixels,
                      (std::vector<uint32_t>{opaque | 0x102030, opaque | 0xFF00FF, opaque | last,
                                             opaque | 0xFF00FF, opaque | 0x102030, opaque | third}))
                << bits << " bits, top-down " << topDown;
        }
}

TEST(BmpDecode, ShortPalettesAndTheCoreHeader) {
    // Two colours named of 256: index 7 lies past the palette and shows black.
    BmpFile f;
    f.bits = 8;
    f.width = 2;
    f.height = 1;
    f.palette = {0x112233, 0x445566};
    f.coloursUsed = 2;
    f.pixels = packRows(8, {{1, 7}});
    BmpPicture p;
    ASSERT_TRUE(decode(f.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{opaque | 0x445566, opaque}));

    // The 12-byte core header keeps three bytes per palette entry.
    BmpFile core = palettePicture(8, false);
    core.headerSize = 12;
    ASSERT_TRUE(decode(core.bytes(), p));
    EXPECT_EQ(p.at(2, 0), opaque | 0x0000FF);
    EXPECT_EQ(p.at(2, 1), opaque | 0xA0B0C0);
    core.bits = 24;
    core.palette.clear();
    core.pixels = packRows(24, {{0x010203}, {0xFFFEFD}});
    core.width = 1;
    ASSERT_TRUE(decode(core.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{opaque | 0xFFFEFD, opaque | 0x010203}));
}

TEST(BmpDecode, TwentyFourBitsWithRowPaddingEitherWay) {
    for (bool topDown : {false, true}) {
        BmpFile f;
        f.width = 3; // 9 bytes a row, padded to 12
        f.height = topDown ? -2 : 2;
        std::vector<std::vector<uint32_t>> rows = {{0xFF0000, 0x00FF00, 0x0000FF},
                                                   {0x123456, 0xFF00FF, 0x000001}};
        f.pixels = packRows(24, topDown ? rows : std::vector{rows[1], rows[0]});
        BmpPicture p;
        ASSERT_TRUE(decode(f.bytes(), p));
        EXPECT_EQ(p.pixels,
                  (std::vector<uint32_t>{opaque | 0xFF0000, opaque | 0x00FF00, opaque | 0x0000FF,
                                         opaque | 0x123456, opaque | 0xFF00FF, opaque | 0x000001}));
    }
}

TEST(BmpDecode, SixteenBitsIn555And565) {
    BmpPicture p;
    // No masks: 5 bits a channel. Full channels widen to 255, 1 to 8.
    BmpFile f;
    f.bits = 16;
    f.width = 3;
    f.height = 1;
    f.pixels = packRows(16, {{0x7C00, 0x0021, 0x7FFF}});
    ASSERT_TRUE(decode(f.bytes(), p));
    EXPECT_EQ(p.pixels,
              (std::vector<uint32_t>{opaque | 0xFF0000, opaque | 0x000808, opaque | 0xFFFFFF}));
    // 565 through masks after the 40-byte header, and inside a 124-byte one.
    for (int header : {40, 52, 56, 108, 124}) {
        f.headerSize = header;
        f.compression = bmpBitfields;
        f.masks = {0xF800, 0x07E0, 0x001F};
        f.pixels = packRows(16, {{0xF800, 0x0020, 0x0841}});
        ASSERT_TRUE(decode(f.bytes(), p)) << header;
        EXPECT_EQ(p.pixels,
                  (std::vector<uint32_t>{opaque | 0xFF0000, opaque | 0x000400, opaque | 0x080808}))
            << header;
    }
}

TEST(BmpDecode, ThirtyTwoBitsWithAndWithoutAlpha) {
    BmpPicture p;
    // BI_RGB with the fourth byte zero everywhere: no alpha, all opaque.
    BmpFile f;
    f.bits = 32;
    f.width = 2;
    f.height = -1;
    f.pixels = packRows(32, {{0x00112233, 0x00FFFFFF}});
    ASSERT_TRUE(decode(f.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{opaque | 0x112233, opaque | 0xFFFFFF}));
    // As soon as one pixel has alpha, the fourth byte is alpha.
    f.pixels = packRows(32, {{0x00112233, 0x80FFFFFF}});
    ASSERT_TRUE(decode(f.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{0x00112233, 0x80FFFFFF}));

    // The default of a painting program: a 124-byte header, bit masks with alpha.
    BmpFile v5 = f;
    v5.headerSize = 124;
    v5.compression = bmpBitfields;
    v5.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    v5.pixels = packRows(32, {{0xFF102030, 0x00405060}});
    ASSERT_TRUE(decode(v5.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{0xFF102030, 0x00405060}));
    // Masks in another order, and a 108-byte header.
    v5.headerSize = 108;
    v5.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};
    v5.pixels = packRows(32, {{0x332211FF, 0x33221100}});
    ASSERT_TRUE(decode(v5.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{0xFF112233, 0x00112233}));
    // BI_ALPHABITFIELDS keeps four masks after a 40-byte header.
    BmpFile alpha = v5;
    alpha.headerSize = 40;
    alpha.compression = bmpAlphaBitfields;
    ASSERT_TRUE(decode(alpha.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{0xFF112233, 0x00112233}));
    // Without an alpha mask, bit masks give opaque pixels whatever else is set.
    BmpFile noAlpha = v5;
    noAlpha.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    noAlpha.pixels = packRows(32, {{0x00102030}, {0xAB102030}});
    noAlpha.width = 1;
    noAlpha.height = 2;
    ASSERT_TRUE(decode(noAlpha.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{opaque | 0x102030, opaque | 0x102030}));
}

TEST(BmpDecode, RunLengthEncodedRunsLiteralsDeltasAndEnds) {
    BmpFile f;
    f.bits = 8;
    f.compression = bmpRle8;
    f.width = 5;
    f.height = 3;
    f.palette.assign(256, 0);
    for (uint32_t i = 0; i < 256; ++i)
        f.palette[i] = i * 0x010101;
    f.pixels = {
        3, 7, 0, 3, 1, 2, 3, 0, // bottom row: a run of three 7s, then 1 2 3 (padded): cut at 5
        0, 0,                   // end of row
        0, 2, 2, 1,             // delta: two right, one up, into the top row
        2, 9,                   // a run of two 9s at columns 2 and 3
        0, 1,                   // end of picture: the rest is never set
    };
    BmpPicture p;
    ASSERT_TRUE(decode(f.bytes(), p));
    auto grey = [](uint32_t i) { return opaque | i * 0x010101; };
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{0, 0, grey(9), grey(9), 0, //
                                               0, 0, 0, 0, 0,             //
                                               grey(7), grey(7), grey(7), grey(1), grey(2)}));

    // RLE4: runs alternate the two nibbles; literals count nibbles.
    f.bits = 4;
    f.compression = bmpRle4;
    f.palette.resize(16);
    f.height = 1;
    f.pixels = {3, 0x12, 0, 0, 0, 1}; // 1 2 1, then end of row, end of picture
    ASSERT_TRUE(decode(f.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{grey(1), grey(2), grey(1), 0, 0}));
    f.pixels = {0, 3, 0xAB, 0xC0, 1, 0xDD, 0, 1}; // literal A B C (two bytes), run of D
    ASSERT_TRUE(decode(f.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{grey(10), grey(11), grey(12), grey(13), 0}));
    f.pixels = {0, 5, 0x12, 0x34, 0x50, 0, 1, 0x66, 0, 1}; // five nibbles: three bytes, padded
    ASSERT_TRUE(decode(f.bytes(), p));
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{grey(1), grey(2), grey(3), grey(4), grey(5)}));

    // A stream that ends after its last row without the end mark is whole.
    f.pixels = {5, 0x11, 0, 0};
    ASSERT_TRUE(decode(f.bytes(), p));
    EXPECT_EQ(p.at(4, 0), grey(1));
}

TEST(BmpDecode, RefusesWhatIsNotAPictureWeRead) {
    BmpPicture p;
    BmpFile good = palettePicture(8, false);
    std::vector<uint8_t> bytes = good.bytes();
    ASSERT_TRUE(decode(bytes, p));
    auto refused = [&](BmpFile f) { return !decode(f.bytes(), p) && p.pixels.empty(); };

    std::vector<uint8_t> magic = bytes;
    magic[0] = 'P';
    EXPECT_FALSE(decode(magic, p));
    const std::pair<const char*, void (*)(BmpFile&)> changes[] = {
        {"the OS/2 2.x header", [](BmpFile& f) { f.headerSize = 64; }},
        {"no width", [](BmpFile& f) { f.width = 0; }},
        {"negative width", [](BmpFile& f) { f.width = -3; }},
        {"no height", [](BmpFile& f) { f.height = 0; }},
        {"the least height", [](BmpFile& f) { f.height = INT32_MIN; }},
        {"too wide", [](BmpFile& f) { f.width = maxBmpSide + 1; }},
        {"each side fits, not the whole", [](BmpFile& f) { f.width = f.height = 8192; }},
        {"2 bits", [](BmpFile& f) { f.bits = 2; }},
        {"JPEG", [](BmpFile& f) { f.compression = 4; }},
        {"RLE4 at 8 bits", [](BmpFile& f) { f.compression = bmpRle4; }},
        {"top-down RLE", [](BmpFile& f) { f.compression = bmpRle8, f.height = -2; }},
        {"masks at 8 bits", [](BmpFile& f) { f.compression = bmpBitfields; }},
    };
    for (const auto& [why, change] : changes) {
        BmpFile f = good;
        change(f);
        EXPECT_TRUE(refused(f)) << why;
    }

    // The pixels' offset past the file, or into its headers.
    std::vector<uint8_t> offset = bytes;
    offset[10] = 0xFF, offset[11] = 0xFF;
    EXPECT_FALSE(decode(offset, p));
    offset[10] = 20, offset[11] = 0;
    EXPECT_FALSE(decode(offset, p));

    // Run-length data that stops before its last row, or inside a delta or literal.
    BmpFile f = good;
    f.compression = bmpRle8;
    for (std::vector<uint8_t> stream : std::vector<std::vector<uint8_t>>{
             {3, 1, 0, 0}, {3, 1, 0, 0, 0, 2, 1}, {0, 4, 1, 2, 3}, {3}, {}}) {
        f.pixels = stream;
        EXPECT_TRUE(refused(f)) << stream.size();
    }
}

TEST(BmpDecode, CutFilesAreRefusedWithoutAReadPastTheirEnd) {
    std::vector<BmpFile> files = {palettePicture(1, false), palettePicture(4, true),
                                  palettePicture(8, false)};
    BmpFile f = v5File({{1, 2, 3}, {4, 5, 6}});
    files.push_back(f);
    f.headerSize = 40;
    f.bits = 16;
    f.pixels = packRows(16, {{1, 2, 3}, {4, 5, 6}});
    files.push_back(f);
    f = palettePicture(8, false);
    f.compression = bmpRle8;
    f.pixels = {2, 1, 0, 3, 1, 2, 3, 0, 0, 0, 1, 4, 0, 1};
    files.push_back(f);
    for (const BmpFile& file : files) {
        std::vector<uint8_t> bytes = file.bytes();
        BmpPicture p;
        ASSERT_TRUE(decode(bytes, p));
        // The last row's padding is all that a picture may lack.
        size_t rowBytes = ((size_t)file.width * (size_t)file.bits + 7) / 8;
        size_t spare = file.compression == bmpRle8 ? 0 : (rowBytes + 3) / 4 * 4 - rowBytes;
        for (size_t cut = 0; cut + spare < bytes.size(); ++cut) {
            GuardedBytes shorter(bytes, cut);
            EXPECT_FALSE(decodeBmp(shorter.data(), shorter.size(), p))
                << file.bits << " bits, cut to " << cut << " of " << bytes.size();
        }
    }
}
