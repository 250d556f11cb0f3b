#include "screens/extras_menu.h"

#include "level/graphics.h"
#include "platform/clock.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "progress/settings.h"
#include "progress/statistics.h"
#include "screens/about_screen.h"
#include "screens/first_time_help.h"
#include "screens/fixed_menu.h"
#include "screens/jukebox.h"
#include "screens/outro.h"
#include "screens/sound_test.h"
#include "screens/statistics_screen.h"

namespace {
enum Item { soundTestItem, jukeboxItem, statisticsItem, aboutItem, helpOrOutroItem, returnItem };
constexpr int itemCount = 6;

// Runs `screen` with one sound switch forced on, so it is heard whatever the
// player chose; the switch is put back afterwards and never saved changed.
void withSwitchOn(bool& soundSwitch, void (*screen)()) {
    menuMusic.stop();
    bool before = soundSwitch;
    soundSwitch = true;
    applySoundSwitches();
    screen();
    soundSwitch = before;
    applySoundSwitches();
    menuMusic.play();
}

void runItem(int item) {
    switch (item) {
    case soundTestItem:
        withSwitchOn(settings.playSound, soundTest);
        break;
    case jukeboxItem:
        withSwitchOn(settings.playMusic, jukebox);
        break;
    case statisticsItem:
        statisticsScreen();
        break;
    case aboutItem:
        aboutScreen();
        break;
    case helpOrOutroItem:
        if (statistics.gamesCleared != 0) {
            menuMusic.stop();
            outro();
            menuMusic.play();
        } else {
            firstTimeHelp();
        }
        break;
    }
}
} // namespace

void extrasMenu() {
    FixedMenu menu(itemCount, 140, 140, "$r");
    menu.enter();
    while (!quitRequested()) {
        while (gameTicks > 0) {
            FixedMenu::Press press = menu.readPress();
            if (press == FixedMenu::confirmed) {
                sfxGold.play();
                if (menu.cursor == returnItem) return;
                runItem(menu.cursor);
                if (quitRequested()) return;
            } else if (press == FixedMenu::backedOut) {
                return;
            }
            menu.moveCursor();
            gameTicks -= 1;
        }
        const char* texts[itemCount] = {
            "Sound test",
            "Jukebox",
            "Statistics",
            "About",
            statistics.gamesCleared != 0 ? "Outro" : "Help",
            "Return",
        };
        menu.drawFrame(titleBackground, texts);
    }
}
