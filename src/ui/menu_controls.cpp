#include "ui/menu_controls.h"

#include "platform/input.h"

void MenuControls::enter() {
    pollJoystick();
    latched = heldButton() != -1;
    repeat = 0;
    confirm = back = false;
    move = 0;
}

void MenuControls::step() {
    pollJoystick();
    bool a, b, c;
    readButtons(a, b, c);
    confirm = a && !latched;
    back = b && !latched;
    if (!a && !b && !c) latched = false;
    bool down = isDownHeld();
    bool up = isUpHeld();
    move = 0;
    if (down && repeat == 0) {
        move = 1;
        repeat = 8;
    } else if (up && repeat == 0) {
        move = -1;
        repeat = 8;
    }
    if (!up && !down)
        repeat = 0;
    else if (repeat > 0)
        repeat -= 1;
}

int wrapCursor(int cursor, int move, int count) {
    if (count <= 0) return 0;
    cursor = (cursor + move) % count;
    return cursor < 0 ? cursor + count : cursor;
}
