#include "main/game_main.h"

#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "platform/display.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "progress/stage_set.h"
#include "screens/placeholder_screen.h"
#include "text/text_utils.h"

namespace {
enum TitleChoice {
    choicePlay,
    choiceTraining,
    choicePlayback,
    choiceSettings,
    choiceExtra,
    choiceExit
};
} // namespace

bool startGameAt(int groupIndex) {
    if (groupIndex < 0 || groupIndex >= stageSet.groupCount) return false;
    playRecord.stageIndex = stageSet.groups[groupIndex].firstStage;
    copyText(currentMapFile, stageSet.stageFiles[playRecord.stageIndex], mapFileCapacity);
    return startStage();
}

void mainMenuLoop() {
    // A quit request (Ctrl-C, kill) leaves as the Exit choice does.
    while (!quitRequested()) {
        if (!menuMusic.playing) menuMusic.play();
        int choice = placeholderScreen();
        if (choice == choiceExit) return;
        if (choice == choicePlay) {
            playMode = {false, DemoMode::None, true};
            fadeOut();
            menuMusic.stop();
            // When the first stage's map cannot be loaded, the loader has said
            // so and the title comes back.
            if (startGameAt(0)) runPlay();
        }
    }
}

int runGame() {
    if (!startUp()) return 1;
    mainMenuLoop();
    shutDown();
    return 0;
}
