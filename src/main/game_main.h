#pragma once

#include "main/file_roots.h"

#include <optional>

// Reads the command line, brings the system up, runs the main menu loop until
// "Exit" and takes the system down again; returns the process's exit status.
int runGame(int argc, char** argv);

// How the system comes up. Headless (tools): the library without a window and
// the sound mixed into memory, where the caller renders it; the steps and their
// log are the same.
struct StartUpOptions {
    bool headless = false;
    // The command line's window or full screen, for this run only.
    std::optional<bool> fullScreen;
};

// The steps around the main menu loop, in their fixed, logged order.
bool startUp(const FileRoots& roots, const StartUpOptions& options = {});
void mainMenuLoop();
void shutDown();

// Prepares a normal game from the first stage of stage group `groupIndex` of the
// set in use and starts that stage; false when it could not be started.
bool startGameAt(int groupIndex);
