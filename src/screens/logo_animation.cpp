#include "screens/logo_animation.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/quit_request.h"
#include "ui/sound_table.h"

namespace {
// The strip's frames and where the picture's window lets them show.
constexpr int frameWidth = 39;
constexpr int frameHeight = 40;
constexpr int frameCount = 27;
constexpr int windowX = 141;
constexpr int windowY = 93;
constexpr int stillTicks = 30;
constexpr int firstFrameTicks = 8;
constexpr int frameTicks = 6;
} // namespace

void titleLogoAnimation() {
    Picture picture = loadBitmap("BITMAP\\GENERAL\\TITLE_LOGO.BMP");
    Picture strip = loadBitmap("BITMAP\\GENERAL\\TITLE_ANIM.BMP");
    int frame = 0, wait = 0, delay = firstFrameTicks;
    bool started = false;
    while (!quitRequested()) {
        while (gameTicks > 0) {
            if (!started) {
                wait += 1;
                if (wait == stillTicks) {
                    sfxJingle.play();
                    started = true;
                }
            } else {
                delay -= 1;
                if (delay == 0) {
                    frame += 1;
                    delay = frameTicks;
                }
                if (frame == frameCount) {
                    fadeOut();
                    picture.reset();
                    strip.reset();
                    return;
                }
            }
            gameTicks -= 1;
        }
        clearPicture(backBuffer, colourOf(0, 0, 0));
        if (strip)
            drawMasked(strip, backBuffer, frameWidth * frame, 0, windowX, windowY, frameWidth,
                       frameHeight);
        if (picture) drawMasked(picture, backBuffer, 0, 0, 0, 0, 320, 240);
        presentFrame();
    }
    picture.reset();
    strip.reset();
}
