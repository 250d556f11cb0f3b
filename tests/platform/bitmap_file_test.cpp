// The game's picture loader: every variant in the frame's 16-bit colour, the
// classic ones (which Allegro's loader reads) exactly as the game's own decoder
// would give them, zero alpha as the mask colour; and `tumblo-tool info` on
// pictures, through the same loader.
#include "platform/bitmap_file.h"
#include "platform/bmp_test_files.h"
#include "support/test_env.h"

#include <allegro.h>
#include <gtest/gtest.h>

namespace {
constexpr int maskColour16 = 0xF81F;

Picture load(const std::vector<uint8_t>& file) {
    GuardedBytes bytes(file);
    return bitmapFromBmp(bytes.data(), bytes.size());
}

struct Loaded {
    explicit Loaded(const std::vector<uint8_t>& file)
        : picture(load(file)), bitmap(picture.handle()) {}
    Picture picture;
    BITMAP* bitmap;
};

BmpFile paletteFile(int bits, int headerSize) {
    BmpFile f;
    f.headerSize = headerSize;
    f.bits = bits;
    f.width = 5;
    f.height = 3;
    for (uint32_t i = 0; i < (1u << bits); ++i)
        f.palette.push_back(i * 0x3B1F07 & 0xFFFFFF);
    f.palette[0] = 0xFF00FF;
    std::vector<std::vector<uint32_t>> rows(3);
    for (uint32_t y = 0; y < 3; ++y)
        for (uint32_t x = 0; x < 5; ++x)
            rows[y].push_back((x * 7 + y * 3) % (1u << bits));
    f.pixels = packRows(bits, rows);
    return f;
}

BmpFile trueColourFile(int headerSize) {
    BmpFile f;
    f.headerSize = headerSize;
    f.width = 3;
    f.height = 2;
    f.pixels = packRows(24, {{0xFF00FF, 0x7F8081, 0x010203}, {0xF8FCF8, 0x070307, 0x123456}});
    return f;
}
} // namespace

TEST(BitmapFile, ClassicFilesLoadAsTheDecoderReadsThem) {
    ensureHeadless();
    std::vector<BmpFile> files = {paletteFile(1, 40), paletteFile(4, 40), paletteFile(8, 40),
                                  paletteFile(8, 12), trueColourFile(40), trueColourFile(12)};
    std::vector<std::pair<BmpFile, std::vector<uint8_t>>> variants;
    for (const BmpFile& file : files) {
        variants.push_back({file, file.bytes()});
        // Without the last row's padding, which some programs leave out.
        size_t rowBytes = ((size_t)file.width * (size_t)file.bits + 7) / 8;
        std::vector<uint8_t> cut = file.bytes();
        cut.resize(cut.size() - ((rowBytes + 3) / 4 * 4 - rowBytes));
        variants.push_back({file, cut});
    }
    for (const auto& [file, bytes] : variants) {
        BmpPicture picture;
        ASSERT_TRUE(decodeBmp(bytes.data(), bytes.size(), picture));
        Loaded loaded(bytes);
        ASSERT_NE(loaded.bitmap, nullptr) << file.bits << " bits, header " << file.headerSize;
        ASSERT_EQ(bitmap_color_depth(loaded.bitmap), 16);
        ASSERT_EQ(loaded.bitmap->w, picture.width);
        ASSERT_EQ(loaded.bitmap->h, picture.height);
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                uint32_t c = picture.at(x, y);
                EXPECT_EQ(getpixel(loaded.bitmap, x, y),
                          makecol16((c >> 16) & 255, (c >> 8) & 255, c & 255))
                    << file.bits << " bits, header " << file.headerSize << " at " << x << "," << y;
            }
        // Magenta is the mask colour, as it always was.
        EXPECT_EQ(getpixel(loaded.bitmap, 0, picture.height - 1), maskColour16);
    }
}

TEST(BitmapFile, NewerVariantsLoadWithTransparentPixelsAsTheMask) {
    ensureHeadless();
    // 565 pixels reach the 16-bit frame with every channel unchanged (the
    // frame's own order of channels is the library's business).
    auto from565 = [](int v) {
        return makecol16((v >> 11) << 3, ((v >> 5) & 63) << 2, (v & 31) << 3);
    };
    BmpFile f;
    f.headerSize = 124;
    f.bits = 16;
    f.compression = bmpBitfields;
    f.masks = {0xF800, 0x07E0, 0x001F};
    f.width = 4;
    f.height = -1;
    f.pixels = packRows(16, {{0x1234, 0xFFFF, 0x0841, 0xF81F}});
    {
        Loaded loaded(f.bytes());
        ASSERT_NE(loaded.bitmap, nullptr);
        EXPECT_EQ(getpixel(loaded.bitmap, 0, 0), from565(0x1234));
        EXPECT_EQ(getpixel(loaded.bitmap, 1, 0), from565(0xFFFF));
        EXPECT_EQ(getpixel(loaded.bitmap, 2, 0), from565(0x0841));
        EXPECT_EQ(getpixel(loaded.bitmap, 3, 0), maskColour16);
    }
    // What a painting program writes for a picture with transparency.
    f = v5File({{0xFF102030, 0x00102030, 0x01FFFFFF, 0x00000000}});
    {
        Loaded loaded(f.bytes());
        ASSERT_NE(loaded.bitmap, nullptr);
        EXPECT_EQ(getpixel(loaded.bitmap, 0, 0), makecol16(0x10, 0x20, 0x30));
        EXPECT_EQ(getpixel(loaded.bitmap, 1, 0), maskColour16);
        EXPECT_EQ(getpixel(loaded.bitmap, 2, 0), 0xFFFF);
        EXPECT_EQ(getpixel(loaded.bitmap, 3, 0), maskColour16);
    }
    // Pixels an RLE picture skips are transparent too.
    BmpFile rle = paletteFile(8, 40);
    rle.compression = bmpRle8;
    rle.pixels = {2, 5, 0, 0, 0, 2, 1, 1, 1, 6, 0, 1};
    {
        Loaded loaded(rle.bytes());
        ASSERT_NE(loaded.bitmap, nullptr);
        uint32_t five = rle.palette[5], six = rle.palette[6];
        EXPECT_EQ(getpixel(loaded.bitmap, 0, 2),
                  makecol16(five >> 16, (five >> 8) & 255, five & 255));
        EXPECT_EQ(getpixel(loaded.bitmap, 1, 2), getpixel(loaded.bitmap, 0, 2));
        EXPECT_EQ(getpixel(loaded.bitmap, 2, 2), maskColour16);
        EXPECT_EQ(getpixel(loaded.bitmap, 1, 1), maskColour16);
        EXPECT_EQ(getpixel(loaded.bitmap, 1, 0), makecol16(six >> 16, (six >> 8) & 255, six & 255));
    }
}

TEST(BitmapFile, LoadsByGamePathAndTheToolShowsTheFormat) {
    ensureHeadless();
    TempGameDir dir;
    BmpFile v5 = v5File({{0xFF0000FF, 0}, {0, 0}});
    writeFileBytes("BITMAP/GENERAL/GIMP.BMP", v5.bytes());
    std::vector<uint8_t> cut = v5.bytes();
    cut.resize(cut.size() - 4);
    writeFileBytes("BITMAP/GENERAL/CUT.BMP", cut);
    Picture picture = loadBitmap("BITMAP\\general\\gimp.bmp");
    ASSERT_TRUE(picture);
    EXPECT_EQ(getpixel(picture.handle(), 0, 1), makecol16(0, 0, 255));
    EXPECT_EQ(getpixel(picture.handle(), 0, 0), maskColour16);
    EXPECT_FALSE(loadBitmap("BITMAP\\GENERAL\\CUT.BMP"));
    EXPECT_FALSE(loadBitmap("BITMAP\\GENERAL\\NONE.BMP"));

    std::string output;
    ASSERT_EQ(runGameTool("info BITMAP/GENERAL/GIMP.BMP", output), 0) << output;
    EXPECT_NE(output.find("format 32-bit bitfields, 124-byte header, bottom-up\n"
                          "size 2x2\nmask pixels 3\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(runGameTool("info BITMAP/GENERAL/CUT.BMP", output), 2);
    EXPECT_NE(output.find("not a valid bitmap file"), std::string::npos) << output;
}
