#pragma once

#include "platform/keys.h"
#include "platform/picture.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Font;

// One line of a list menu.
struct MenuEntry {
    std::string text;        // up to 79 characters, $-escapes allowed
    std::string description; // up to 239 characters, drawn while highlighted
    bool selectable = false;
    const Font* font = nullptr; // the game's font
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The one scrolling selection list: the caller draws its background and
// headings into the back buffer, fills the list and runs it. The list draws
// itself over a snapshot of the caller's picture, moves its cursor with key
// repeat, scrolls, skips entries that cannot be chosen and shows the
// highlighted entry's description.
class ListMenu {
public:
    static constexpr int backedOut = -1;
    static constexpr int deleteRequested = -2;
    static constexpr int extraKeyPressed = -3;
    static constexpr size_t maxTextLength = 79;
    static constexpr size_t maxDescriptionLength = 239;

    ListMenu() = default;
    ListMenu(const ListMenu&) = delete;
    ListMenu& operator=(const ListMenu&) = delete;

    void setArrowPositions(int upX, int upY, int downX, int downY);
    // New entries, all unselectable and empty; every row visible, the cursor on
    // the first, deleting switched off.
    void setCount(int n);
    // Copies the texts (cut to their capacities); an index out of range is
    // reported and changes nothing.
    void setEntry(int index, const char* text, const char* description, bool selectable);
    void clear();
    // The chosen entry's index, backedOut, or deleteRequested. (x, y) is where the
    // first row's text goes.
    int run(int x, int y);

    const MenuEntry& entry(int index) const { return entries[index]; }

    // Where the cursor stands, to put it back on the list filled anew.
    struct Place {
        int selected = 0;
        int cursorRow = 0;
        int scrollTop = 0;
    };
    Place place() const { return {selected, cursorRow, scrollTop}; }
    void setPlace(const Place& at) {
        selected = at.selected;
        cursorRow = at.cursorRow;
        scrollTop = at.scrollTop;
    }

    int count = 0;
    int selected = 0;
    int cursorRow = 0;
    int visibleRows = 0;
    int scrollTop = 0;
    int rowHeight = 12;
    ScreenPoint upArrowPos;
    ScreenPoint downArrowPos;
    bool arrowsPlaced = false; // by setArrowPositions
    ScreenPoint descriptionPos;
    bool deleteEnabled = false;
    // A key of the screen's own that leaves the list with extraKeyPressed, the
    // cursor on the highlighted entry (G in the demo browser); none unless set.
    Key extraKey = Key::None;
    // Where the second, third, ... part of an entry's text (split at tabs)
    // begins, from the list's x: rows of a table.
    std::vector<int> columns;
    // ESC leaves the list whatever the back action is bound to (the Controls
    // screen, where back itself may be what is being changed).
    bool escapeLeaves = false;

private:
    void moveNext();
    void movePrevious();
    bool anySelectable() const;
    void draw(const Picture& snapshot, int x, int y) const;

    std::unique_ptr<MenuEntry[]> entries;
};
