#pragma once

// The media library's X11 driver reads the window's events (keys, focus, the
// close button) from callbacks that a background thread runs every 10 ms. Its
// own thread wakes every millisecond to see whether the 10 ms have passed: a
// thousand wake-ups a second, most of the game's cost on an idle title screen.
// This puts in its place a thread that runs the same callbacks, as often, and
// sleeps in between. Called before the library starts.
void pollInputWithoutSpinning();
