#include "screens/settings_menu.h"

#include "level/graphics.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "screens/menu_look.h"
#include "screens/stage_set_select.h"
#include "text/font.h"
#include "text/text_pool.h"

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
constexpr int itemX = 120;
constexpr int firstItemY = 128;

// The on/off icons: a bouncer for on, a hurter for off.
const char* onOff(bool flag) {
    return chooseText(flag, "$E", "$F");
}

void toggleMusic() {
    if (settings.playMusic) {
        // The switch must still be on for the stop to reach the tune.
        menuMusic.stop();
        settings.playMusic = false;
        applySoundSwitches();
    } else {
        settings.playMusic = true;
        applySoundSwitches();
        menuMusic.play();
    }
}

// False when the item leaves the menu.
bool confirm(int item) {
    switch (item) {
    case itemSound:
        settings.playSound = !settings.playSound;
        applySoundSwitches();
        break;
    case itemMusic:
        toggleMusic();
        break;
    case itemFullScreen:
        settings.fullScreen = !settings.fullScreen;
        applyWindowMode(settings.fullScreen);
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
    case itemReturn:
        return false;
    }
    return true;
}

void draw(int cursor) {
    drawMenuBackground();
    drawTitleLogo();
    const char* items[itemCount] = {
        joinText("Play Sound: ", onOff(settings.playSound)),
        joinText("Play Music: ", onOff(settings.playMusic)),
        joinText("Full screen: ", onOff(settings.fullScreen)),
        joinText("Animate Tumblo: ", onOff(settings.animateTumblo)),
        joinText("Show FPS: ", onOff(settings.showFps)),
        "Stage Set",
        "Return",
    };
    drawMenuItems(items, itemCount, cursor, itemX, firstItemY);
    gameFont.drawTextCentered(joinText("Using Stage Set: ", stageSet.title), 220, backBuffer);
    presentFrame();
}
} // namespace

void settingsMenu() {
    MenuControls controls;
    controls.enter();
    int cursor = 0;
    for (;;) {
        while (gameTicks > 0) {
            controls.step();
            if (controls.confirmPressed()) {
                // The press that acted must be let go before the next one
                // counts, also after the stage-set screen returns.
                controls.relatch();
                if (!confirm(cursor)) return;
            } else if (controls.backPressed()) {
                return;
            }
            if (int move = controls.cursorMove()) {
                cursor = wrapCursor(cursor, move, itemCount);
                sfxCursor.play();
            }
            advanceMenuScroll();
            gameTicks -= 1;
        }
        if (quitRequested()) return;
        draw(cursor);
    }
}
