#include "screens/placeholder_screen.h"

#include "level/graphics.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "text/font.h"

#include <allegro.h>

int placeholderScreen() {
    static const char* const items[] = {"Play", "Exit"};
    static const int choices[] = {0, 5};
    MenuControls controls;
    controls.enter();
    int cursor = 0;
    for (;;) {
        while (gameTicks > 0) {
            controls.step();
            if (controls.confirmPressed()) {
                sfxGold.play();
                return choices[cursor];
            }
            if (int move = controls.cursorMove()) {
                cursor = wrapCursor(cursor, move, 2);
                sfxCursor.play();
            }
            advanceMenuScroll();
            gameTicks -= 1;
        }
        if (quitRequested()) return 5;
        clear_to_color(backBuffer, makecol(24, 20, 48));
        drawScrolledBackground(titleBackground, menuScroll);
        if (titleLogo)
            masked_blit(titleLogo, backBuffer, 0, 0, (320 - titleLogo->w) / 2, 40, titleLogo->w,
                        titleLogo->h);
        for (int i = 0; i < 2; ++i)
            gameFont.drawText(items[i], 140, 140 + 12 * i, backBuffer);
        gameFont.drawText("$r", 120, 140 + 12 * cursor, backBuffer);
        presentFrame();
    }
}
