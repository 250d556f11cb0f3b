#pragma once

// A request to leave the game that comes from outside it: Ctrl-C (SIGINT), `kill`
// (SIGTERM) or a closed terminal (SIGHUP). The game then leaves the way the Exit
// choice does, saving settings and statistics, and exits with status 0.
//
// The rule for every loop that waits for the player (screens, menus, the game
// loop, fades): read quitRequested() once per frame and, when it is set, return
// as if the player had dismissed it, choosing the way out (a menu its Exit, the
// game loop its end). The flag stays set, so every screen on the way out returns
// at once. waitForTick() also returns while it is set, so a loop that forgets
// to read it spins instead of leaving.

// Makes SIGINT, SIGTERM and SIGHUP set the flag instead of ending the process.
// Call it after the libraries have started, since they install handlers of their
// own. A signal that is ignored at that moment (SIGHUP under nohup) stays
// ignored. Each handler lasts for one signal: a second Ctrl-C ends the process
// at once, should the orderly exit itself hang.
void installQuitSignals();

// True once a quit has been requested.
bool quitRequested();

// Requests a quit from the game's own code (tests, a window's close button).
void requestQuit();
// Forgets a request; for tests that drive one screen after another.
void clearQuitRequest();
