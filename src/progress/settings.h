#pragma once

#include "text/data_file.h"

// The player's six switches, read from "SETTINGS.DAT" at start-up and written
// back on Exit (six integers, 1 or 0, in this order).
struct Settings {
    bool playSound = true;
    bool playMusic = true;
    bool fullScreen = false;
    bool showFps = false;
    bool firstTime = true;
    bool animateTumblo = true;
};

extern Settings settings;

// Reads the settings and sets the window mode from them; without a file, sound,
// music and the window are switched on and the display is left alone.
void loadSettings();
bool saveSettings();
// Tells the sound layer the two sound switches; call after changing either.
void applySoundSwitches();
// A window (0) or full screen (1) for this run whatever the file says, or -1 to
// follow it; what is saved stays the player's own choice.
void setWindowModeForThisRun(int fullScreen);

// Reads the six flags; only 1 is true, and flags beyond the end of a short file
// read as false. False when short.
bool readSettings(DataReader& in, Settings& out);
