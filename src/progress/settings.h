#pragma once

// The player's six switches, read from "SETTINGS.DAT" at start-up and written
// back on Exit.
struct Settings {
    bool playSound = true;
    bool playMusic = true;
    bool fullScreen = false;
    bool showFps = false;
    bool firstTime = true;
    bool animateTumblo = true;
};

extern Settings settings;

void loadSettings();
bool saveSettings();
