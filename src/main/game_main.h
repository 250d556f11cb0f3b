#pragma once

// Brings the system up, runs the main menu loop until "Exit" and takes the
// system down again; returns the process's exit status.
int runGame();

// The steps around the main menu loop, in their fixed, logged order.
bool startUp();
void mainMenuLoop();
void shutDown();

// Prepares a normal game from the first stage of stage group `groupIndex` of the
// set in use and starts that stage; false when it could not be started.
bool startGameAt(int groupIndex);
