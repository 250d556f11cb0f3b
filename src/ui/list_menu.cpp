#include "ui/list_menu.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "text/font.h"
#include "text/text_pool.h"
#include "ui/message_screen.h"
#include "ui/sound_table.h"

namespace {
constexpr int firstRepeatDelay = 16;
constexpr int nextRepeatDelay = 3;
} // namespace

void ListMenu::setArrowPositions(int upX, int upY, int downX, int downY) {
    upArrowPos = {upX, upY};
    downArrowPos = {downX, downY};
    arrowsPlaced = true;
}

void ListMenu::setCount(int n) {
    if (n < 0) n = 0;
    entries = n > 0 ? std::make_unique<MenuEntry[]>((size_t)n) : nullptr;
    for (int i = 0; i < n; ++i)
        entries[i].font = &gameFont;
    count = n;
    visibleRows = n;
    selected = cursorRow = scrollTop = 0;
    deleteEnabled = false;
}

void ListMenu::setEntry(int index, const char* text, const char* description, bool selectable) {
    if (index < 0 || index >= count) {
        showError(textWithNumber("Not a valid menuEntry: ", index));
        return;
    }
    MenuEntry& e = entries[index];
    e.text = std::string(text ? text : "").substr(0, maxTextLength);
    e.description = std::string(description ? description : "").substr(0, maxDescriptionLength);
    e.selectable = selectable;
}

void ListMenu::clear() {
    entries.reset();
    count = 0;
}

bool ListMenu::anySelectable() const {
    for (int i = 0; i < count; ++i)
        if (entries[i].selectable) return true;
    return false;
}

// Wraps from the last entry to the top; entries that cannot be chosen are
// passed over.
void ListMenu::moveNext() {
    int i = selected;
    for (;;) {
        int j = i + 1;
        if (cursorRow < visibleRows - 1)
            ++cursorRow;
        else
            ++scrollTop;
        if (j >= count) {
            j = 0;
            cursorRow = 0;
            scrollTop = 0;
        }
        if (entries[j].selectable) {
            selected = j;
            return;
        }
        i = j;
    }
}

void ListMenu::movePrevious() {
    int i = selected;
    for (;;) {
        int j = i - 1;
        if (cursorRow >= 1)
            --cursorRow;
        else
            --scrollTop;
        if (i == 0) {
            j = count - 1;
            cursorRow = visibleRows - 1;
            scrollTop = count - visibleRows;
        }
        if (entries[j].selectable) {
            selected = j;
            return;
        }
        i = j;
    }
}

void ListMenu::draw(const Picture& snapshot, int x, int y) const {
    copyArea(snapshot, backBuffer, 0, 0, 0, 0, 320, 240);
    for (int r = 0; r < visibleRows; ++r) {
        int index = scrollTop + r;
        if (index < 0 || index >= count) continue;
        const MenuEntry& e = entries[index];
        const Font& font = e.font ? *e.font : gameFont;
        size_t from = 0;
        for (size_t column = 0;; ++column) {
            size_t tab = e.text.find('\t', from);
            int at = column == 0 ? 0 : column - 1 < columns.size() ? columns[column - 1] : 0;
            std::string part = e.text.substr(from, tab == std::string::npos ? tab : tab - from);
            font.drawText(part.c_str(), x + at, y + r * rowHeight, backBuffer);
            if (tab == std::string::npos) break;
            from = tab + 1;
        }
    }
    // Without places of their own, the arrows stand just above the first row
    // and just below the last, as the stage select places them.
    ScreenPoint up = arrowsPlaced ? upArrowPos : ScreenPoint{x + 5, y - 10};
    ScreenPoint down =
        arrowsPlaced ? downArrowPos : ScreenPoint{x + 5, y + visibleRows * rowHeight};
    if (scrollTop > 0) gameFont.drawText("$u", up.x, up.y, backBuffer);
    if (scrollTop < count - visibleRows) gameFont.drawText("$d", down.x, down.y, backBuffer);
    gameFont.drawText("$r", x - 24, y + cursorRow * rowHeight, backBuffer);
    if (selected >= 0 && selected < count)
        gameFont.drawText(entries[selected].description.c_str(), descriptionPos.x, descriptionPos.y,
                          backBuffer);
}

int ListMenu::run(int x, int y) {
    // A list with rows it cannot fill, or nothing to choose, could never move
    // its cursor to rest: keep the rows within the entries, and let it only be
    // left.
    if (visibleRows > count) visibleRows = count;
    if (visibleRows < 0) visibleRows = 0;
    bool canMove = anySelectable() && visibleRows > 0;
    Picture snapshot = Picture::create(320, 240);
    if (!snapshot) return backedOut;
    copyArea(backBuffer, snapshot, 0, 0, 0, 0, 320, 240);
    bool latched = true;
    int delay = firstRepeatDelay;
    int countdown = 0;
    int result = backedOut;
    for (;;) {
        bool done = false;
        while (gameTicks > 0 && !done) {
            pollJoystick();
            bool confirm, back, record;
            readButtons(confirm, back, record);
            if (escapeLeaves && isKeyDown(Key::Escape)) back = true;
            bool up = isUpHeld(), down = isDownHeld(), left = isLeftHeld(), right = isRightHeld();
            if ((up || left) && countdown == 0) {
                sfxCursor.play();
                countdown = delay;
                delay = nextRepeatDelay;
                if (canMove) movePrevious();
            } else if ((down || right) && countdown == 0) {
                sfxCursor.play();
                countdown = delay;
                delay = nextRepeatDelay;
                if (canMove) moveNext();
            }
            if (isKeyDown(Key::Delete) && deleteEnabled) {
                result = deleteRequested;
                done = true;
                break;
            }
            if (extraKey != Key::None && isKeyDown(extraKey) && count > 0) {
                result = extraKeyPressed;
                done = true;
                break;
            }
            if (back && !latched) {
                result = backedOut;
                done = true;
                break;
            }
            if (!confirm && !up && !down && !left && !right && !back) {
                delay = firstRepeatDelay;
                latched = false;
            }
            if (!up && !down && !left && !right)
                countdown = 0;
            else if (countdown > 0)
                countdown -= 1;
            if (confirm && !latched && canMove) {
                result = selected;
                done = true;
                break;
            }
            gameTicks -= 1;
        }
        if (done || quitRequested()) break;
        draw(snapshot, x, y);
        presentFrame();
    }
    return result;
}
