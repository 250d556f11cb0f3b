#include "screens/extra_stages_screen.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "screens/menu_look.h"
#include "text/font.h"

void extraStagesScreen() {
    Picture background = loadBitmap("BITMAP\\BG\\BG01.bmp");
    drawDimOverlay(background);
    FreshPress press;
    while (!quitRequested()) {
        int32_t before = gameTicks;
        if (press.consumePendingTicks()) break;
        for (int32_t t = gameTicks; t < before; ++t)
            advanceMenuScroll();
        clearPicture(backBuffer, colourOf(0, 0, 0));
        drawScrolledBackground(background, menuScroll);
        gameFont.drawTextCentered("Congratulations for finding all $A", 72, backBuffer);
        gameFont.drawTextCentered("You have unlocked the EXTRA STAGES!", 84, backBuffer);
        gameFont.drawTextCentered("Go to SETTINGS - STAGESET to load these", 112, backBuffer);
        gameFont.drawTextCentered("new levels!", 124, backBuffer);
        presentFrame();
    }
}
