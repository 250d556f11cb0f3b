#include "platform/input.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/key_codes.h"
#include "platform/pad.h"
#include "platform/quit_request.h"

#include <allegro.h>
#include <cstring>

namespace {
void (*altEnterAction)() = nullptr;
bool altEnterHeld = false;

bool altHeld() {
    return key[KEY_ALT] || key[KEY_ALTGR];
}

// A key as the game reads it. With Alt held, Return belongs to the window
// (Alt+Enter), not to the game.
bool keyHeld(Key k) {
    int code = keyCode(k);
    if (code <= 0 || code >= KEY_MAX || !key[code]) return false;
    return !(k == Key::Return && altHeld());
}

bool stickDirection(Action action) {
    switch (action) {
    case Action::Left:
        return padStickX() < 0;
    case Action::Right:
        return padStickX() > 0;
    case Action::Up:
        return padStickY() < 0;
    case Action::Down:
        return padStickY() > 0;
    default:
        return false;
    }
}

// Alt+Enter acts once per press, from wherever the inputs are polled.
void watchAltEnter() {
    int code = keyCode(Key::Return);
    bool now = altHeld() && key[code];
    if (now && !altEnterHeld && altEnterAction) altEnterAction();
    altEnterHeld = now;
}
} // namespace

bool isActionHeld(Action action) {
    const Binding& b = bindings[action];
    return keyHeld(b.key) || padButtonHeld(b.button) || stickDirection(action);
}

bool isUpHeld() {
    return isActionHeld(Action::Up);
}
bool isDownHeld() {
    return isActionHeld(Action::Down);
}
bool isLeftHeld() {
    return isActionHeld(Action::Left);
}
bool isRightHeld() {
    return isActionHeld(Action::Right);
}

void readButtons(bool& a, bool& b, bool& c) {
    a = isActionHeld(Action::Confirm);
    b = isActionHeld(Action::Back);
    c = isActionHeld(Action::Record);
}

int heldButton() {
    // The d-pad is the pad's arrow keys: like them, it is no button here.
    for (int i = 0; i < padButtonCount; ++i) {
        PadButton button = PadButton(i);
        if (button >= PadButton::DpadUp && button <= PadButton::DpadRight) continue;
        if (padButtonHeld(button)) return i;
    }
    for (Action a : {Action::Confirm, Action::Back, Action::Record})
        if (keyHeld(bindings[a].key)) return 1;
    return -1;
}

void pollJoystick() {
    updatePads();
    watchAltEnter();
}

bool detectJoystick() {
    return startPads();
}

bool isKeyDown(Key k) {
    return keyHeld(k);
}

void setAltEnterAction(void (*action)()) {
    altEnterAction = action;
}

void simulateKey(Key k, bool down) {
    int code = keyCode(k);
    if (code > 0 && code < KEY_MAX) key[code] = down ? 1 : 0;
}

void releaseSimulatedKeys() {
    std::memset((void*)key, 0, KEY_MAX);
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
