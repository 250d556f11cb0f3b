#include "screens/about_screen.h"

#include "level/graphics.h"
#include "level/map.h"
#include "level/particles.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "text/font.h"
#include "text/text_utils.h"

#include <allegro.h>

namespace {
constexpr int creditCount = 5;
const char* const creditTexts[creditCount] = {
    "Code::The Tumblo team",          "Bitmaps::The Tumblo team", "Music::The Tumblo team",
    "Sound effects::The Tumblo team", "Levels::The Tumblo team",
};
// Where players learn how everything they saw was made.
const char* const addressLine = "Make your own: see docs/MODDING.md";
constexpr int creditWidth = 200;
constexpr int creditHeight = 18;
constexpr int pulseSize = 20;

void destroyCredits(BITMAP* (&credits)[creditCount]) {
    for (BITMAP*& credit : credits)
        if (credit) {
            destroy_bitmap(credit);
            credit = nullptr;
        }
}

// `picture` grown by `pulse` pixels on every side around its rest place.
void drawPulsed(BITMAP* picture, int x, int y, int pulse) {
    if (!picture) return;
    masked_stretch_blit(picture, backBuffer, 0, 0, picture->w, picture->h, x - pulse, y - pulse,
                        picture->w + 2 * pulse, picture->h + 2 * pulse);
}
} // namespace

void aboutScreen() {
    BITMAP* credits[creditCount] = {};
    for (int i = 0; i < creditCount; ++i) {
        credits[i] = create_bitmap(creditWidth, creditHeight);
        if (!credits[i]) continue;
        clear_to_color(credits[i], makecol(255, 0, 255));
        gameFont.drawTextCentered(creditTexts[i], 0, credits[i]);
    }
    // Sparks are drawn relative to the map's camera: at 0 they land on screen.
    currentMap.cameraX = 0;
    currentMap.cameraY = 0;
    int pulse = 0, credit = 0;
    bool rising = true;
    pollJoystick();
    bool latched = heldButton() != -1;
    const int white = makecol(255, 255, 255);
    while (!quitRequested()) {
        while (gameTicks > 0) {
            pollJoystick();
            int held = heldButton();
            if (held != -1 && !latched) {
                destroyCredits(credits);
                return;
            }
            if (held == -1) latched = false;
            advanceMenuScroll();
            if (rising) {
                pulse += 1;
                if (pulse == pulseSize) rising = false;
            } else {
                pulse -= 1;
                if (pulse == 0) {
                    rising = true;
                    credit = (credit + 1) % creditCount;
                }
            }
            int vy = randomBetween(-5, 5);
            int vx = randomBetween(-5, 5);
            spawnParticle(160, 120, white, (float)vx, (float)vy, 60);
            updateParticles();
            gameTicks -= 1;
        }
        if (!titleBackground) clear_to_color(backBuffer, makecol(0, 0, 0));
        drawScrolledBackground(titleBackground, menuScroll);
        drawParticles();
        if (titleLogo) drawPulsed(titleLogo, (320 - titleLogo->w) / 2, 40, pulse);
        drawPulsed(credits[credit], 60, 140, pulse);
        gameFont.drawTextCentered(addressLine, 220, backBuffer);
        presentFrame();
    }
    destroyCredits(credits);
}
