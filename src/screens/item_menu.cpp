#include "screens/item_menu.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/quit_request.h"
#include "ui/menu_controls.h"
#include "ui/sound_table.h"

int ItemMenu::run() {
    MenuControls controls;
    controls.enter();
    // A quit request (a signal, the window closing) leaves at once, without
    // acting on the ticks that are still pending.
    while (!quitRequested()) {
        int count = (int)items.size();
        while (gameTicks > 0) {
            controls.step();
            if (controls.confirmPressed() && count > 0) {
                if (confirmSound) sfxGold.play();
                if (!onConfirm || onConfirm(cursor) == After::Leave) return cursor;
                if (quitRequested()) return quitChoice;
                controls.relatch();
                count = (int)items.size();
            } else if (controls.backPressed() && backChoice != noBack) {
                return backChoice;
            }
            if (onStep) onStep();
            if (int move = controls.cursorMove()) {
                cursor = wrapCursor(cursor, move, count);
                sfxCursor.play();
            }
            advanceMenuScroll();
            gameTicks -= 1;
        }
        if (quitRequested()) return quitChoice;
        std::vector<const char*> texts;
        for (const std::string& item : items)
            texts.push_back(item.c_str());
        drawMenuBackground(*background);
        if (drawLogo)
            drawLogo();
        else
            drawTitleLogo();
        drawMenuItems(texts.data(), count, cursor, x, firstY, pointer);
        if (drawExtra) drawExtra();
        presentFrame();
    }
    return quitChoice;
}
