#include "screens/sound_test.h"

#include "level/graphics.h"
#include "platform/clock.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "screens/fixed_menu.h"

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
    FixedMenu menu(itemCount, 140, 120, "$E");
    menu.enter();
    while (!quitRequested()) {
        while (gameTicks > 0) {
            FixedMenu::Press press = menu.readPress();
            if (press == FixedMenu::confirmed) {
                if (menu.cursor == returnItem) return;
                itemEffects[menu.cursor]->play();
            } else if (press == FixedMenu::backedOut) {
                return;
            }
            menu.moveCursor();
            gameTicks -= 1;
        }
        menu.drawFrame(titleBackground, itemTexts);
    }
}
