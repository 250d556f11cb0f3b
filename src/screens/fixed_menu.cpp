#include "screens/fixed_menu.h"

#include "level/graphics.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "screens/menu_look.h"

#include <allegro.h>

FixedMenu::FixedMenu(int itemCount, int textX, int firstY, const char* pointer)
    : count(itemCount), x(textX), y0(firstY), pointerIcon(pointer) {}

void FixedMenu::enter() {
    pollJoystick();
    latched = heldButton() != -1;
    cursor = 0;
    countdown = 0;
}

FixedMenu::Press FixedMenu::readPress() {
    pollJoystick();
    bool a, b, c;
    readButtons(a, b, c);
    if (a && !latched) {
        latched = true;
        return confirmed;
    }
    if (b && !latched) return backedOut;
    if (!a && !b && !c) latched = false;
    return nothing;
}

void FixedMenu::moveCursor() {
    bool down = isDownHeld();
    bool up = isUpHeld();
    if (down && countdown == 0) {
        sfxCursor.play();
        countdown = 8;
        cursor = wrapCursor(cursor, 1, count);
    }
    if (up && countdown == 0) {
        sfxCursor.play();
        countdown = 8;
        cursor = wrapCursor(cursor, -1, count);
    }
    if (up && countdown > 0)
        countdown -= 1;
    else if (!down)
        countdown = 0;
    else if (countdown > 0)
        countdown -= 1;
    advanceMenuScroll();
}

void FixedMenu::drawFrame(BITMAP* background, const char* const* texts) const {
    drawMenuBackground(background);
    drawTitleLogo();
    drawMenuItems(texts, count, cursor, x, y0, pointerIcon);
    presentFrame();
}
