#include "game/pause_and_prompt.h"

#include "level/graphics.h"
#include "level/map.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "text/font.h"
#include "ui/list_menu.h"

void pauseScreen() {
    currentMap.music.pause();
    Picture frame = Picture::create(320, 240);
    if (frame) {
        copyArea(backBuffer, frame, 0, 0, 0, 0, 320, 240);
        drawDimOverlay(frame);
    }
    // The pause key (SPACE, or the pad's Start) that started the pause must be
    // released before it ends it.
    bool latched = true;
    bool leave = false;
    while (!leave && !quitRequested()) {
        while (gameTicks > 0) {
            pollJoystick();
            bool pauseHeld = isActionHeld(Action::Pause);
            bool pressed = heldButton() != -1 || pauseHeld;
            if (pressed && !latched) {
                leave = true;
                break;
            }
            if (!pauseHeld) latched = false;
            gameTicks -= 1;
        }
        if (leave) break;
        if (frame) copyArea(frame, backBuffer, 0, 0, 0, 0, 320, 240);
        gameFont.drawTextCentered("$C PAUSE", 110, backBuffer);
        presentFrame();
    }
    frame.reset();
    currentMap.music.resume();
}

bool exitPrompt() {
    ListMenu list;
    list.setCount(2);
    list.setEntry(0, "No!", "", true);
    list.setEntry(1, "Yeah!", "", true);
    drawTranslucent(panelBitmap, backBuffer, (320 - 160) / 2, 60, 128);
    gameFont.drawTextCentered("Exit current game?", 90, backBuffer);
    return list.run(150, 106) == 1;
}
