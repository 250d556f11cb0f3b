#include "main/game_main.h"

#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "platform/display.h"
#include "platform/quit_request.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "screens/continue_menu.h"
#include "screens/demo_browser.h"
#include "screens/extras_menu.h"
#include "screens/first_time_help.h"
#include "screens/play_menu.h"
#include "screens/settings_menu.h"
#include "screens/stage_select.h"
#include "screens/title_menu.h"
#include "text/text_utils.h"
#include "ui/sound_table.h"

namespace {
// A normal game from the first stage of `group`. When that stage's map cannot
// be loaded, the loader has said so and the title comes back.
void playGameFrom(int group, bool firstGame) {
    playMode.singleStage = false;
    playMode.demoMode = DemoMode::None;
    fadeOut();
    menuMusic.stop();
    if (firstGame && settings.firstTime) firstTimeHelp();
    recordStats = true;
    if (startGameAt(group)) runPlay();
}

// The play menu, until a game has been played or the player returns; the
// continue menu backs out to it.
void playMenuLoop() {
    while (!quitRequested()) {
        int choice = playMenu();
        if (choice == playNewGame) {
            playGameFrom(0, true);
            return;
        }
        if (choice != playContinue) return;
        int group = continueMenu();
        if (group >= 0) {
            playGameFrom(group, false);
            return;
        }
    }
}

// The screens that play tunes of their own: the menu tune stops before them
// and starts over when the title comes back.
void leaveMenuMusic() {
    fadeOut();
    menuMusic.stop();
}
} // namespace

bool startGameAt(int groupIndex) {
    if (groupIndex < 0 || groupIndex >= stageSet.groupCount) return false;
    playRecord.stageIndex = stageSet.groups[groupIndex].firstStage;
    if (playRecord.stageIndex < 0 || playRecord.stageIndex >= stageSet.stageCount) return false;
    copyText(currentMapFile, stageSet.stageFiles[playRecord.stageIndex], mapFileCapacity);
    return startStage();
}

void mainMenuLoop() {
    // A quit request (Ctrl-C, kill) makes every screen return its way out, and
    // the title menu then returns "Exit".
    for (;;) {
        if (!menuMusic.playing) menuMusic.play();
        switch (titleMenu()) {
        case titlePlay:
            playMenuLoop();
            break;
        case titleTraining:
            leaveMenuMusic();
            recordStats = true;
            stageSelectScreen();
            break;
        case titlePlayback:
            leaveMenuMusic();
            recordStats = false;
            demoBrowserScreen();
            break;
        case titleSettings:
            settingsMenu();
            break;
        case titleExtra:
            extrasMenu();
            break;
        default:
            return;
        }
    }
}
