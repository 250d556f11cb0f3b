#pragma once

#include <functional>
#include <string>
#include <vector>

// A menu of the title menu's family: a fixed column of items over the menus'
// shared look. A button still held on entry does nothing until released; the
// cursor moves at once and then every 8 ticks while held, wrapping at both
// ends; confirm plays the gold sound and chooses the item under the cursor.
class ItemMenu {
public:
    // Back then does nothing at all.
    static constexpr int noBack = -1000;

    std::vector<std::string> items;
    // Returned at once, without a sound, when back is pressed.
    int backChoice = noBack;
    // Returned when a quit is requested: the menu's way out.
    int quitChoice = 0;
    // Once per logic step, after the confirm check and before the cursor moves.
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
