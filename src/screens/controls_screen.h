#pragma once

// The Controls screen (from the extras): each action with its key and its pad
// button. ENTER on an action waits for the next key or pad button and binds it
// (an action of the same context that had it swaps with this one); ESC cancels
// the wait, and ESC always backs out of the screen, whatever is bound. "Reset
// to defaults" brings back the design's keys. A change is saved to
// "controls.cfg" when the screen is left.
void controlsScreen();
