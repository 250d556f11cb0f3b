#include "main/game_main.h"

#include "platform/sound.h"
#include "screens/placeholder_screen.h"

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

void mainMenuLoop() {
    for (;;) {
        if (!menuMusic.playing) menuMusic.play();
        int choice = placeholderScreen();
        if (choice == choiceExit) return;
    }
}

int runGame() {
    if (!startUp()) return 1;
    mainMenuLoop();
    shutDown();
    return 0;
}
