#include "screens/sound_test.h"

#include "screens/item_menu.h"
#include "ui/sound_table.h"

namespace {
constexpr int itemCount = 10;
constexpr int returnItem = 9;
const char* const itemTexts[itemCount] = {
    "$D Pick up", "$A Pick up", "Die",        "Record Start", "Teleport",
    "Vantrix",    "Cursor",     "Extra Life", "Bounced",      "Return",
};
SoundEffect* const itemEffects[returnItem] = {
    &sfxGold, &sfxCup, &sfxDie, &sfxStart, &sfxTeleport, &sfxJingle, &sfxCursor, &sfxLife, &sfxJump,
};
} // namespace

void soundTest() {
    ItemMenu menu;
    menu.items.assign(itemTexts, itemTexts + itemCount);
    menu.firstY = 120;
    menu.pointer = "$E";
    menu.confirmSound = false;
    menu.backChoice = returnItem;
    menu.quitChoice = returnItem;
    menu.onConfirm = [](int item) {
        if (item == returnItem) return ItemMenu::After::Leave;
        itemEffects[item]->play();
        return ItemMenu::After::Stay;
    };
    menu.run();
}
