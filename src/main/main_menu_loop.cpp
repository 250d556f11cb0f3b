#include "main/game_main.h"

#include "platform/quit_request.h"
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
    // A quit request (Ctrl-C, kill) leaves as the Exit choice does.
    while (!quitRequested()) {
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
