// The enlargement of the 16-bit page into a picture of the screen's depth: every
// pixel where it belongs, in the colours the X driver used to show, and only the
// rows that changed redrawn without the result changing.
#include "platform/display.h"
#include "platform/frame_scaler.h"
#include "support/test_env.h"

#include <allegro.h>
#include <gtest/gtest.h>
#include <random>

namespace {
// A 16-bit page pixel from its raw 5-6-5 components, in whatever layout the
// library gave 16-bit bitmaps.
int page16(int r5, int g6, int b5) {
    return r5 << _rgb_r_shift_16 | g6 << _rgb_g_shift_16 | b5 << _rgb_b_shift_16;
}

BITMAP* randomPage(unsigned seed) {
    BITMAP* page = create_bitmap_ex(16, 320, 240);
    std::mt19937 random(seed);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            putpixel(page, x, y, (int)(random() & 0xFFFF));
    return page;
}

bool sameBitmaps(BITMAP* a, BITMAP* b) {
    if (a->w != b->w || a->h != b->h) return false;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
    return true;
}

class FrameScalerTest : public ::testing::Test {
protected:
    void SetUp() override { ensureHeadless(); }
};
} // namespace

TEST_F(FrameScalerTest, EveryTargetPixelTakesTheColourOfItsPagePixel) {
    BITMAP* page = randomPage(7);
    for (int depth : {32, 24, 16}) {
        for (int factor : {1, 2, 3, 5}) {
            SCOPED_TRACE("depth " + std::to_string(depth) + " scale " + std::to_string(factor));
            FrameScaler scaler;
            ASSERT_TRUE(scaler.prepare(depth));
            BITMAP* target = create_bitmap_ex(depth, 320 * factor, 240 * factor);
            clear_to_color(target, 0);
            scaler.scale(page, target);
            int wrong = 0;
            for (int y = 0; y < target->h && wrong < 5; ++y)
                for (int x = 0; x < target->w && wrong < 5; ++x) {
                    int source = getpixel(page, x / factor, y / factor);
                    int shown = getpixel(target, x, y);
                    if (depth == 16) {
                        if (shown != source) ++wrong;
                        continue;
                    }
                    // Red and blue widen by repeating their top bits; green is
                    // the converter's own, within one step of the exact value.
                    int r5 = (source >> _rgb_r_shift_16) & 31,
                        g6 = (source >> _rgb_g_shift_16) & 63,
                        b5 = (source >> _rgb_b_shift_16) & 31;
                    int green = getg_depth(depth, shown);
                    if (getr_depth(depth, shown) != (r5 << 3 | r5 >> 2) ||
                        getb_depth(depth, shown) != (b5 << 3 | b5 >> 2) ||
                        std::abs(green - g6 * 255 / 63) > 1) {
                        ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << shown
                                      << " for page pixel " << source;
                        ++wrong;
                    }
                }
            EXPECT_EQ(wrong, 0);
            destroy_bitmap(target);
        }
    }
    destroy_bitmap(page);
}

TEST_F(FrameScalerTest, RedrawingOnlyChangedRowsGivesTheSamePictureAsAFreshOne) {
    BITMAP* page = randomPage(11);
    FrameScaler scaler;
    ASSERT_TRUE(scaler.prepare(32));
    BITMAP* kept = create_bitmap_ex(32, 960, 720);
    scaler.scale(page, kept);
    // One pixel in the last column, one whole row, and the last row.
    putpixel(page, 319, 17, getpixel(page, 319, 17) ^ 0x0841);
    hline(page, 0, 100, 319, page16(31, 0, 0));
    putpixel(page, 0, 239, getpixel(page, 0, 239) ^ 0xFFFF);
    scaler.scale(page, kept);

    FrameScaler fresh;
    ASSERT_TRUE(fresh.prepare(32));
    BITMAP* whole = create_bitmap_ex(32, 960, 720);
    fresh.scale(page, whole);
    EXPECT_TRUE(sameBitmaps(kept, whole));

    // Another target (or a prepared scaler) gets every row, not just the changes.
    BITMAP* other = create_bitmap_ex(32, 960, 720);
    clear_to_color(other, 0);
    scaler.scale(page, other);
    EXPECT_TRUE(sameBitmaps(other, whole));
    clear_to_color(other, 0);
    ASSERT_TRUE(scaler.prepare(32));
    scaler.scale(page, other);
    EXPECT_TRUE(sameBitmaps(other, whole));
    destroy_bitmap(other);
    destroy_bitmap(whole);
    destroy_bitmap(kept);
    destroy_bitmap(page);
}

TEST_F(FrameScalerTest, HeadlessFlipsEnlargeTheShownPageUntilTheModeIsSetAgain) {
    EXPECT_FALSE(scaledFrame());
    EXPECT_FALSE(scaleHeadlessFrames(3, 8));
    ASSERT_TRUE(scaleHeadlessFrames(3, 32));
    clear_to_color(backBuffer.handle(), page16(3, 5, 6));
    putpixel(backBuffer.handle(), 10, 20, page16(31, 63, 31));
    presentFrame();
    BITMAP* frame = scaledFrame().handle();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->w, 960);
    EXPECT_EQ(frame->h, 720);
    EXPECT_EQ(getpixel(frame, 32, 62), makecol32(255, 255, 255));
    EXPECT_EQ(getpixel(frame, 33, 62), makecol32(24, 20, 49));
    EXPECT_EQ(getpixel(frame, 959, 719), makecol32(24, 20, 49));
    // Nothing above the display layer sees a difference.
    EXPECT_EQ(displayScale(), 1);
    EXPECT_EQ(bitmap_color_depth(backBuffer.handle()), 16);
    setDisplayMode(screenWidth, screenHeight, true);
    EXPECT_FALSE(scaledFrame());
}
