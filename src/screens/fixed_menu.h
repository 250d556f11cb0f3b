#pragma once

struct BITMAP;

// The small fixed menus of the extras (the extras menu itself, the sound test
// and the jukebox): a column of items, a pointer icon 20 pixels left of the
// chosen one, over a background scrolling with the menus and the logo above.
//
// A logic step is split in two so that the item's action runs between them:
// first the buttons (readPress), then the cursor (moveCursor).
class FixedMenu {
public:
    enum Press { nothing, confirmed, backedOut };

    FixedMenu(int itemCount, int textX, int firstY, const char* pointer);
    // On entry: the cursor on the first item, and a button still held from the
    // screen before must be released before it counts.
    void enter();
    // Polls and reads the buttons. A confirm sets the latch again, so an item
    // acts once per press.
    Press readPress();
    // Moves the cursor at once and then every 8 ticks while up or down is held,
    // wrapping at both ends, with the cursor sound; advances the menu scroll.
    void moveCursor();
    // Background (320 by 240, drawn scrolled), logo, items and pointer; then
    // presents the frame.
    void drawFrame(BITMAP* background, const char* const* texts) const;

    int cursor = 0;

private:
    int count;
    int x;
    int y0;
    const char* pointerIcon;
    bool latched = true;
    int countdown = 0;
};
