// The start-up logo: half a second still, the jingle, the strip's frames one
// every 6 ticks through the picture's window, then the fade.
#include "platform/sound_mixer.h"
#include "screens/logo_animation.h"
#include "screens_test/extras_fixture.h"

#include <vector>

TEST_F(ExtrasTest, LogoStillThenJingleAndFramesThroughTheWindowThenFade) {
    BITMAP* picture = create_bitmap(320, 240);
    clear_to_color(picture, makecol(0, 0, 96));
    rectfill(picture, 141, 93, 141 + 38, 93 + 39, makecol(255, 0, 255));
    savePicture("BITMAP/GENERAL/TITLE_LOGO.BMP", picture);
    destroy_bitmap(picture);
    // Frame k of the strip is red 8k.
    BITMAP* strip = create_bitmap(39 * 27, 40);
    for (int k = 0; k < 27; ++k)
        rectfill(strip, 39 * k, 0, 39 * k + 38, 39, makecol(8 * k, 0, 0));
    savePicture("BITMAP/GENERAL/TITLE_ANIM.BMP", strip);
    destroy_bitmap(strip);

    std::vector<int> shown; // strip frame seen through the window, per frame
    std::vector<int> voices;
    bool pictureAround = true;
    FrameDriver driver([&](int frame) {
        shown.push_back(getr(getpixel(backBuffer, 160, 113)) / 8);
        voices.push_back(soundMixer.activeVoices());
        if (frame < 194) pictureAround = pictureAround && getb(getpixel(backBuffer, 10, 10)) > 80;
    });
    titleLogoAnimation();

    ASSERT_GE(shown.size(), 194u);
    EXPECT_EQ(voices[29], 0);
    EXPECT_EQ(voices[30], 1); // the jingle, after half a second
    for (int f = 0; f < 38; ++f)
        EXPECT_EQ(shown[f], 0) << f;
    for (int k = 1; k <= 26; ++k) {
        int first = 38 + 6 * (k - 1);
        EXPECT_EQ(shown[first - 1], k - 1) << k;
        EXPECT_EQ(shown[first], k) << k;
    }
    EXPECT_EQ(shown[193], 26);
    // Frame 27 is never drawn: step 194 starts the fade, 21 darkening frames.
    EXPECT_EQ(driver.frames(), 194 + 21);
    EXPECT_TRUE(pictureAround);
}

TEST_F(ExtrasTest, LogoWithoutItsPicturesStillRunsItsCourse) {
    FrameDriver driver([](int) {});
    titleLogoAnimation();
    EXPECT_EQ(driver.frames(), 194 + 21);
}
