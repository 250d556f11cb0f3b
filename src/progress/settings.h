#pragma once

#include "text/data_file.h"

#include <optional>

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

// Reads the settings; without a file, sound, music and the window are switched
// on. Only reads: applySettings hands them on.
void loadSettings();
bool saveSettings();
// The one way the settings reach the platform: the two sound switches, and,
// when `fullScreen` is given, that screen mode unless the display shows it
// already. Start-up gives the settings' choice or the command line's for this
// run; the settings menu gives the player's press. A full screen the desktop
// refuses leaves a window, and the choice stays saved for the next start.
void applySettings(std::optional<bool> fullScreen = std::nullopt);
// Window to full screen or back, as the settings menu's item and Alt+Enter ask:
// the mode asked for becomes the player's saved choice.
void toggleFullScreen();

// Reads the six flags; only 1 is true, and flags beyond the end of a short file
// read as false. False when short.
bool readSettings(DataReader& in, Settings& out);
