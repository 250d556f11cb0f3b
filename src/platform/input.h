#pragma once

#include "platform/keys.h"

// The seven inputs: four directions and three buttons, from the keyboard and
// joystick 0 together. Every input is a held state, read once per logic step.
bool isUpHeld();
bool isDownHeld();
bool isLeftHeld();
bool isRightHeld();
void readButtons(bool& a, bool& b, bool& c);

// The lowest held joystick 0 button, else 1 when a bound key is down, else -1.
int heldButton();
// Reads the joystick state; screens call it once per logic step before reading.
void pollJoystick();
// Looks for joystick 0 (once, at start-up); true when one was found.
bool detectJoystick();
// Any key held right now (the F-keys, letters, SPACE, DEL that screens read
// beside the seven inputs).
bool isKeyDown(Key key);

// Presents the back buffer until a button is pressed after having been released,
// or a quit is requested.
void waitForButtonPress();

// The wait for a fresh press, for screens that draw their own frames: a button
// still held on entry must be released and pressed again.
class FreshPress {
public:
    // Runs the pending ticks; true once a fresh press has been seen or a quit
    // has been requested.
    bool consumePendingTicks();

private:
    bool latched = true;
};

// Headless runs (tests, tools) stand in for the player: keys and a joystick 0
// with `buttons` buttons (0: none) held or let go, as the library would see them.
void simulateKey(Key key, bool down);
void releaseSimulatedKeys();
void simulateJoystick(int buttons);
void simulateJoystickButton(int index, bool down);
