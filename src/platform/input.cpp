#include "platform/input.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/key_codes.h"
#include "platform/quit_request.h"

#include <allegro.h>
#include <cstring>

namespace {
// The action buttons' bindings; nothing changes them while the game runs.
struct ButtonBinding {
    int key;
    int joystickButton;
};
const ButtonBinding bindings[3] = {{KEY_ENTER, 0}, {KEY_ESC, 1}, {KEY_F2, 2}};

bool joystickPresent() {
    return num_joysticks > 0;
}

bool stickFlag(int axis, bool positive) {
    if (!joystickPresent() || joy[0].num_sticks < 1 || joy[0].stick[0].num_axis <= axis)
        return false;
    const JOYSTICK_AXIS_INFO& a = joy[0].stick[0].axis[axis];
    return positive ? a.d2 != 0 : a.d1 != 0;
}

bool buttonHeld(const ButtonBinding& b) {
    if (key[b.key]) return true;
    return joystickPresent() && b.joystickButton < joy[0].num_buttons &&
           joy[0].button[b.joystickButton].b != 0;
}
} // namespace

bool isUpHeld() {
    return key[KEY_UP] || stickFlag(1, false);
}
bool isDownHeld() {
    return key[KEY_DOWN] || stickFlag(1, true);
}
bool isLeftHeld() {
    return key[KEY_LEFT] || stickFlag(0, false);
}
bool isRightHeld() {
    return key[KEY_RIGHT] || stickFlag(0, true);
}

void readButtons(bool& a, bool& b, bool& c) {
    a = buttonHeld(bindings[0]);
    b = buttonHeld(bindings[1]);
    c = buttonHeld(bindings[2]);
}

int heldButton() {
    if (joystickPresent()) {
        int count = joy[0].num_buttons;
        if (count > MAX_JOYSTICK_BUTTONS) count = MAX_JOYSTICK_BUTTONS;
        for (int i = 0; i < count; ++i)
            if (joy[0].button[i].b) return i;
    }
    for (const ButtonBinding& b : bindings)
        if (key[b.key]) return 1;
    return -1;
}

void pollJoystick() {
    poll_joystick();
}

bool detectJoystick() {
    install_joystick(JOY_TYPE_AUTODETECT);
    return num_joysticks > 0;
}

bool isKeyDown(Key k) {
    int code = keyCode(k);
    return code > 0 && code < KEY_MAX && key[code];
}

void simulateKey(Key k, bool down) {
    int code = keyCode(k);
    if (code > 0 && code < KEY_MAX) key[code] = down ? 1 : 0;
}

void releaseSimulatedKeys() {
    std::memset((void*)key, 0, KEY_MAX);
}

void simulateJoystick(int buttons) {
    if (buttons > MAX_JOYSTICK_BUTTONS) buttons = MAX_JOYSTICK_BUTTONS;
    num_joysticks = buttons > 0 ? 1 : 0;
    std::memset(&joy[0], 0, sizeof joy[0]);
    joy[0].num_buttons = buttons;
    joy[0].num_sticks = 1;
    joy[0].stick[0].num_axis = 2;
}

void simulateJoystickButton(int index, bool down) {
    if (index >= 0 && index < MAX_JOYSTICK_BUTTONS) joy[0].button[index].b = down ? 1 : 0;
}

bool FreshPress::consumePendingTicks() {
    // A quit request dismisses the wait as a press would.
    if (quitRequested()) return true;
    while (gameTicks > 0) {
        pollJoystick();
        if (heldButton() == -1)
            latched = false;
        else if (!latched)
            return true; // the tick that saw the press is left to the next screen
        gameTicks -= 1;
    }
    return false;
}

void waitForButtonPress() {
    FreshPress press;
    while (!press.consumePendingTicks())
        presentFrame();
}
