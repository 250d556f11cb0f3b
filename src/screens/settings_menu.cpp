#include "screens/settings_menu.h"

#include "platform/display.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "screens/item_menu.h"
#include "screens/stage_set_select.h"
#include "text/font.h"
#include "text/text_pool.h"
#include "ui/sound_table.h"

namespace {
enum SettingsItem {
    itemSound,
    itemMusic,
    itemFullScreen,
    itemAnimate,
    itemFps,
    itemStageSet,
    itemReturn,
    itemCount
};

// The on/off icons: a bouncer for on, a hurter for off.
const char* onOff(bool flag) {
    return chooseText(flag, "$E", "$F");
}

void toggleMusic() {
    if (settings.playMusic) {
        // The switch must still be on for the stop to reach the tune.
        menuMusic.stop();
        settings.playMusic = false;
        applySettings();
    } else {
        settings.playMusic = true;
        applySettings();
        menuMusic.play();
    }
}

void act(int item) {
    switch (item) {
    case itemSound:
        settings.playSound = !settings.playSound;
        applySettings();
        break;
    case itemMusic:
        toggleMusic();
        break;
    case itemFullScreen:
        // The item shows the mode in effect (a window when the desktop refused
        // the full screen or the command line asked for one); a press asks for
        // the other, and that becomes the player's saved choice.
        toggleFullScreen();
        break;
    case itemAnimate:
        settings.animateTumblo = !settings.animateTumblo;
        break;
    case itemFps:
        settings.showFps = !settings.showFps;
        break;
    case itemStageSet:
        stageSetSelectScreen();
        break;
    }
}

std::vector<std::string> itemTexts() {
    return {
        joinText("Play Sound: ", onOff(settings.playSound)),
        joinText("Play Music: ", onOff(settings.playMusic)),
        joinText("Full screen: ", onOff(!displayIsWindowed())),
        joinText("Animate Tumblo: ", onOff(settings.animateTumblo)),
        joinText("Show FPS: ", onOff(settings.showFps)),
        "Stage Set",
        "Return",
    };
}
} // namespace

void settingsMenu() {
    ItemMenu menu;
    menu.items = itemTexts();
    menu.x = 120;
    menu.firstY = 128;
    menu.confirmSound = false;
    menu.backChoice = itemReturn;
    menu.quitChoice = itemReturn;
    menu.onConfirm = [](int item) {
        if (item == itemReturn) return ItemMenu::After::Leave;
        act(item);
        return ItemMenu::After::Stay;
    };
    // Alt+Enter may change the screen mode at any tick.
    menu.onStep = [&menu] { menu.items = itemTexts(); };
    menu.drawExtra = [] {
        gameFont.drawTextCentered(joinText("Using Stage Set: ", stageSet.title), 220, backBuffer);
    };
    menu.run();
}
