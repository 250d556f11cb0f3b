#pragma once

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
// A raw key of the library's key array (F-keys, letters, SPACE, DEL).
bool isKeyDown(int scancode);

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

// The menus' shared controls: a press latch, so that a button still held when a
// menu opens does nothing until released, and the cursor repeat (move at once,
// then every 8 ticks while held; down wins over up).
class MenuControls {
public:
    // On entry: latched exactly when a button is held.
    void enter();
    // One logic step: polls and reads; afterwards the accessors tell what to do.
    void step();
    bool confirmPressed() const { return confirm; }
    bool backPressed() const { return back; }
    // +1 down, -1 up, 0 no move in this step.
    int cursorMove() const { return move; }
    // Makes the next press wait for a release again.
    void relatch() { latched = true; }

private:
    bool latched = true;
    int repeat = 0;
    bool confirm = false;
    bool back = false;
    int move = 0;
};

// The cursor after a move of `move` items, wrapping within count items.
int wrapCursor(int cursor, int move, int count);
