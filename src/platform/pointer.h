#pragma once

// The mouse pointer over the frame: the desktop's own arrow, its position in
// frame pixels (the window's pixels divided by the enlargement) and its buttons.
// Only programs that use a pointer start it; the game does not.
struct PointerState {
    int x = -1, y = -1; // frame pixels; outside the frame when the pointer is
    bool left = false, right = false, middle = false;
    int wheel = 0; // clicks turned since the last read, away from the user positive
};

// Starts the mouse and shows the pointer over the window; false when there is
// no mouse (headless runs have the simulated one).
bool startPointer();
// Where the pointer is and which buttons are held, read once per step.
PointerState readPointer();

// Headless runs stand in for the mouse, as simulateKey does for the keys.
void simulatePointer(int x, int y, bool left, bool right);
void simulateWheel(int clicks);
