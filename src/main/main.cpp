// The program entry: start-up, the main menu loop and shut-down.
#include "main/game_main.h"

int main(int argc, char** argv) {
    return runGame(argc, argv);
}
