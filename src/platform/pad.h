#pragma once

#include "platform/bindings.h"

// Gamepads through SDL's game controller support: any pad SDL (or a
// "gamecontrollerdb.txt" in the data folder, then in the user folder) knows is
// read by its buttons' places; a pad it does not know is read raw, its buttons
// by number in PadButton's order and its first hat as the d-pad. The first pad
// connected is the player's; pads come and go while the game runs.

// Starts SDL's pad support once and takes the first pad there is; true when
// there is one. False also when SDL's pad support cannot start (then there are
// simply no pads).
bool startPads();
// Notices pads plugged in or pulled out (each gets a line in the log) and reads
// the player's pad. Called with every poll of the inputs.
void updatePads();
void closePads();

bool padConnected();
// As read by the last update; nothing is held without a pad.
bool padButtonHeld(PadButton button);
// The stick (or a raw pad's first two axes) pushed at least halfway: -1, 0, +1.
int padStickX();
int padStickY();

// Headless runs (tests) stand in for pads with SDL's virtual joysticks, which
// come and go as real ones do (the next update notices them). A raw pad has
// `buttons` buttons, two axes and a hat, and no mapping; a mapped pad has every
// button and axis of SDL's game controllers. One simulated pad at a time:
// another replaces it, and 0 buttons pulls it out.
void simulateJoystick(int buttons);
void simulateJoystickButton(int index, bool down);
void simulatePad();
void simulatePadButton(PadButton button, bool down);
// The left stick, from -32768 (left, up) to 32767.
void simulatePadStick(int x, int y);
void removeSimulatedPad();
