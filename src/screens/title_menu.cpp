#include "screens/title_menu.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "screens/item_menu.h"
#include "screens/menu_look.h"
#include "text/font.h"
#include "ui/sound_table.h"

// U, N and L: "UNLock".
const Key unlockCombinationKeys[3] = {Key::U, Key::N, Key::L};

namespace {
constexpr int pulseLimit = 20;

// Grows the logo by up to 20 pixels on every side and back, over 40 steps.
struct Pulse {
    int size = 0;
    bool rising = true;
    void step() {
        size += rising ? 1 : -1;
        if (size == pulseLimit) rising = false;
        if (size == 0) rising = true;
    }
};

void drawPulsingLogo(int pulse) {
    if (titleLogo) {
        int w = titleLogo.width(), h = titleLogo.height();
        drawMaskedScaled(titleLogo, backBuffer, 0, 0, w, h, (320 - w) / 2 - pulse, 40 - pulse,
                         w + 2 * pulse, h + 2 * pulse);
    }
    gameFont.drawTextCentered("You are a SUPER $C", 108, backBuffer);
}

bool unlockCombinationHeld() {
    for (Key k : unlockCombinationKeys)
        if (!isKeyDown(k)) return false;
    return true;
}
} // namespace

int titleMenu() {
    fpsCounter.start();
    Pulse pulse;
    bool unlocked = false;
    ItemMenu menu;
    menu.items = {"Play", "Training/Demo Record", "Demo Playback", "Settings", "Extra", "Exit"};
    menu.quitChoice = titleExit;
    menu.onStep = [&] {
        if (!unlocked && unlockCombinationHeld()) {
            unlocked = true;
            sfxTeleport.play();
            unlockAll();
        }
        pulse.step();
    };
    menu.drawLogo = [&] {
        if (statistics.extraStagesUnlocked)
            drawPulsingLogo(pulse.size);
        else
            drawTitleLogo();
    };
    menu.drawExtra = [] {
        gameFont.drawText("$C 1.1", 4, 228, backBuffer);
        gameFont.drawTextCentered("Rolled out by the Tumblo crew", 220, backBuffer);
    };
    return menu.run();
}
