#pragma once

#include "platform/bindings.h"
#include "platform/keys.h"

// The seven inputs: four directions and three buttons, from the keyboard and
// the player's pad together, through the bindings (the d-pad and the left
// stick both steer). Every input is a held state, read once per logic step.
bool isUpHeld();
bool isDownHeld();
bool isLeftHeld();
bool isRightHeld();
void readButtons(bool& a, bool& b, bool& c);
// Any action by its key or pad button (the F-keys of play and playback, pause).
bool isActionHeld(Action action);

// The lowest held pad button (the d-pad aside), else 1 when the key of confirm,
// back or record is down, else -1.
int heldButton();
// Reads the pads (and notices pads plugged in or pulled out); screens call it
// once per logic step before reading.
void pollJoystick();
// Starts the pads (once, at start-up); true when one was found.
bool detectJoystick();
// A key held right now, bound or not (the letters of a demo's name, DEL, the
// title's unlock keys).
bool isKeyDown(Key key);
// What Alt+Enter does, wherever the inputs are polled: set at start-up (the
// game switches between window and full screen). Return with Alt held is no
// input of the game.
void setAltEnterAction(void (*action)());

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

// Headless runs (tests, tools) stand in for the player's keys (the pads they
// stand in for are in pad.h).
void simulateKey(Key key, bool down);
void releaseSimulatedKeys();
