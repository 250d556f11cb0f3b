#include "screens/first_time_help.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "progress/settings.h"
#include "screens/menu_look.h"
#include "text/font.h"

const int helpLineRows[helpLineCount] = {40, 52, 64, 88, 100, 112, 136, 148, 160, 184, 220};

namespace {
const char* const helpTexts[helpLineCount] = {
    "Use $H and $I to move $C",
    "Press ENTER/Joy1 to lock/unlock camera",
    "Hold ENTER/Joy1 and $u $d $H $I to scroll map",
    "Locate $B to clear stage",
    "Get 25 $D for extra $C",
    "Get all $A to unlock bonus stages",
    "$E will bounce you",
    "$F will hurt you",
    "$G will push you",
    "When a level is cleared in GAME-mode the next one will",
    "Press F1 in game to view helpscreen",
};
const char* const helpSecondRow = "be unlocked in TRAINING-mode";
constexpr int lineTicks = 60;
constexpr int textX = 40;

void drawHelp(const Picture& background, int shown) {
    if (!background) clearPicture(backBuffer, colourOf(0, 0, 0));
    drawScrolledBackground(background, menuScroll);
    gameFont.drawTextCentered("First time playing", 20, backBuffer);
    for (int line = 0; line < helpLineCount && line <= shown; ++line) {
        gameFont.drawText(helpTexts[line], textX, helpLineRows[line], backBuffer);
        if (line == 9) gameFont.drawText(helpSecondRow, textX, helpLineRows[line] + 12, backBuffer);
    }
}
} // namespace

void firstTimeHelp() {
    settings.firstTime = false;
    Picture background = loadBitmap("BITMAP\\BG\\BG01.BMP");
    drawDimOverlay(background);
    int shown = 0, timer = 0;
    bool done = false;
    pollJoystick();
    bool latched = heldButton() != -1;
    while (!quitRequested()) {
        while (gameTicks > 0) {
            pollJoystick();
            bool a, b, c;
            readButtons(a, b, c);
            if (a && !latched) {
                if (shown == helpLineCount)
                    done = true;
                else {
                    shown += 1;
                    timer = 0;
                    latched = true;
                }
            }
            if (!a && !b && !c) latched = false;
            advanceMenuScroll();
            timer += 1;
            if (timer == lineTicks && shown < helpLineCount) {
                shown += 1;
                timer = 0;
            }
            gameTicks -= 1;
        }
        drawHelp(background, shown);
        presentFrame();
        if (done) break;
    }
    background.reset();
}
