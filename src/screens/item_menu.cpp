#include "screens/item_menu.h"

#include "level/graphics.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "screens/menu_look.h"

int ItemMenu::run() {
    MenuControls controls;
    controls.enter();
    int count = (int)items.size();
    std::vector<const char*> texts;
    for (const std::string& item : items)
        texts.push_back(item.c_str());
    for (;;) {
        while (gameTicks > 0) {
            controls.step();
            if (controls.confirmPressed() && count > 0) {
                sfxGold.play();
                return cursor;
            }
            if (controls.backPressed() && backChoice != noBack) return backChoice;
            if (onStep) onStep();
            if (int move = controls.cursorMove()) {
                cursor = wrapCursor(cursor, move, count);
                sfxCursor.play();
            }
            advanceMenuScroll();
            gameTicks -= 1;
        }
        if (quitRequested()) return quitChoice;
        drawMenuBackground();
        if (drawLogo)
            drawLogo();
        else
            drawTitleLogo();
        drawMenuItems(texts.data(), count, cursor);
        if (drawExtra) drawExtra();
        presentFrame();
    }
}
