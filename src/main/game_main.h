#pragma once

// Brings the system up, runs the main menu loop until "Exit" and takes the
// system down again; returns the process's exit status.
int runGame();

// The steps around the main menu loop, in their fixed, logged order.
bool startUp();
void mainMenuLoop();
void shutDown();
