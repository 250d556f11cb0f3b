#pragma once

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
