#include "screens/extras_menu.h"

#include "progress/settings.h"
#include "progress/statistics.h"
#include "screens/about_screen.h"
#include "screens/controls_screen.h"
#include "screens/first_time_help.h"
#include "screens/item_menu.h"
#include "screens/jukebox.h"
#include "screens/outro.h"
#include "screens/records_screen.h"
#include "screens/sound_test.h"
#include "screens/statistics_screen.h"
#include "ui/sound_table.h"

namespace {
enum Item {
    soundTestItem,
    jukeboxItem,
    statisticsItem,
    aboutItem,
    helpOrOutroItem,
    controlsItem,
    recordsItem,
    returnItem
};

// Runs `screen` with one sound switch forced on, so it is heard whatever the
// player chose; the switch is put back afterwards and never saved changed.
void withSwitchOn(bool& soundSwitch, void (*screen)()) {
    menuMusic.stop();
    bool before = soundSwitch;
    soundSwitch = true;
    applySettings();
    screen();
    soundSwitch = before;
    applySettings();
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
    case controlsItem:
        controlsScreen();
        break;
    case recordsItem:
        recordsScreen();
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
    ItemMenu menu;
    menu.items = {"Sound test",
                  "Jukebox",
                  "Statistics",
                  "About",
                  statistics.gamesCleared != 0 ? "Outro" : "Help",
                  "Controls",
                  "Records",
                  "Return"};
    menu.backChoice = returnItem;
    menu.quitChoice = returnItem;
    menu.onConfirm = [](int item) {
        if (item == returnItem) return ItemMenu::After::Leave;
        runItem(item);
        return ItemMenu::After::Stay;
    };
    menu.run();
}
