#pragma once

#include "platform/picture.h"
#include "screens/menu_look.h"

#include <functional>
#include <string>
#include <vector>

// The one runner of the front end's fixed menus (title, play, continue,
// settings, extras, sound test, jukebox): a column of items over the menus'
// shared look. A button still held on entry does nothing until released; the
// cursor moves at once and then every 8 ticks while held, wrapping at both
// ends, with the cursor sound; the background scrolls one pixel a tick.
class ItemMenu {
public:
    // Back then does nothing at all.
    static constexpr int noBack = -1000;
    enum class After { Stay, Leave };

    std::vector<std::string> items;
    int x = menuItemX;
    int firstY = menuFirstItemY;
    const char* pointer = "$r";
    // Drawn scrolled behind everything; the title background unless changed.
    const Picture* background = &titleBackground;
    // The gold sound on every confirm, before the item acts.
    bool confirmSound = true;
    // Returned at once, without a sound, when back is pressed.
    int backChoice = noBack;
    // Returned when a quit is requested: the menu's way out.
    int quitChoice = 0;
    // What a confirmed item does. Stay keeps the menu open (the press must be
    // let go before the next one counts), Leave returns the item. Without it
    // every confirm leaves.
    std::function<After(int item)> onConfirm;
    // Once per logic step, after the buttons and before the cursor moves.
    std::function<void()> onStep;
    // Draws what stands between the background and the items; the plain logo
    // when not set.
    std::function<void()> drawLogo;
    // Draws over the items, before the frame is presented.
    std::function<void()> drawExtra;

    // The chosen item's index, backChoice or quitChoice.
    int run();
    int cursor = 0;
};
