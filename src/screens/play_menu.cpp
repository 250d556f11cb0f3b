#include "screens/play_menu.h"

#include "platform/clock.h"
#include "screens/item_menu.h"

int playMenu() {
    fpsCounter.start();
    ItemMenu menu;
    menu.items = {"New Game", "Continue", "Return"};
    menu.backChoice = playReturn;
    menu.quitChoice = playReturn;
    return menu.run();
}
