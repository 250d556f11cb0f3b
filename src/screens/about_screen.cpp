#include "screens/about_screen.h"

#include "level/map.h"
#include "level/particles.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "screens/menu_look.h"
#include "text/font.h"
#include "text/text_utils.h"

#include <string>

namespace {
constexpr int creditCount = 5;
const char* const creditTexts[creditCount] = {
    "Code::The Tumblo team",          "Bitmaps::The Tumblo team", "Music::The Tumblo team",
    "Sound effects::The Tumblo team", "Levels::The Tumblo team",
};
// Where players learn how everything they saw was made: the guide's path in
// this installation, since a source tree's docs/ is not where players look.
std::string moddingGuide = "docs/MODDING.md";
constexpr int creditWidth = 200;
constexpr int creditHeight = 18;
constexpr int pulseSize = 20;

// The line names the guide; a path too long for the screen loses its start,
// so that the file's own name stays in view.
std::string addressLine() {
    std::string path = moddingGuide;
    std::string line = "Make your own: " + path;
    while (gameFont.textWidth(line.c_str()) > 316 && path.size() > 1) {
        path.erase(0, 1);
        line = "Make your own: ..." + path;
    }
    return line;
}

// `picture` grown by `pulse` pixels on every side around its rest place.
void drawPulsed(const Picture& picture, int x, int y, int pulse) {
    drawMaskedScaled(picture, backBuffer, 0, 0, picture.width(), picture.height(), x - pulse,
                     y - pulse, picture.width() + 2 * pulse, picture.height() + 2 * pulse);
}
} // namespace

void setModdingGuidePath(const char* path) {
    moddingGuide = path;
}

void aboutScreen() {
    Picture credits[creditCount];
    for (int i = 0; i < creditCount; ++i) {
        credits[i] = Picture::create(creditWidth, creditHeight);
        clearPicture(credits[i], transparentColour());
        gameFont.drawTextCentered(creditTexts[i], 0, credits[i]);
    }
    // Sparks are drawn relative to the map's camera: at 0 they land on screen.
    currentMap.cameraX = 0;
    currentMap.cameraY = 0;
    int pulse = 0, credit = 0;
    bool rising = true;
    pollJoystick();
    bool latched = heldButton() != -1;
    const int white = colourOf(255, 255, 255);
    const std::string address = addressLine();
    while (!quitRequested()) {
        while (gameTicks > 0) {
            pollJoystick();
            int held = heldButton();
            if (held != -1 && !latched) return;
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
        if (!titleBackground) clearPicture(backBuffer, colourOf(0, 0, 0));
        drawScrolledBackground(titleBackground, menuScroll);
        drawParticles();
        drawPulsed(titleLogo, (320 - titleLogo.width()) / 2, 40, pulse);
        drawPulsed(credits[credit], 60, 140, pulse);
        gameFont.drawTextCentered(address.c_str(), 220, backBuffer);
        presentFrame();
    }
}
