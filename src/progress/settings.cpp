#include "progress/settings.h"

#include "platform/display.h"
#include "platform/log.h"
#include "platform/sound.h"

Settings settings;

namespace {
constexpr const char* settingsFile = "SETTINGS.DAT";

bool readFlag(DataReader& in) {
    bool flag = readBool(in);
    return flag && !in.failed();
}
} // namespace

bool readSettings(DataReader& in, Settings& out) {
    out.playSound = readFlag(in);
    out.playMusic = readFlag(in);
    out.fullScreen = readFlag(in);
    out.showFps = readFlag(in);
    out.firstTime = readFlag(in);
    out.animateTumblo = readFlag(in);
    return !in.failed();
}

void loadSettings() {
    gameLog.write("Loading SETTINGS.DAT");
    DataReader in;
    if (!in.open(settingsFile)) {
        gameLog.write("Can't find SETTINGS.DAT. Using default!");
        settings.playSound = true;
        settings.fullScreen = false;
        settings.playMusic = true;
        return;
    }
    readSettings(in, settings);
}

void applySettings(std::optional<bool> fullScreen) {
    setSoundSwitches(settings.playSound, settings.playMusic);
    // The window the game is in needs no new pages.
    if (fullScreen && *fullScreen == displayIsWindowed()) applyWindowMode(*fullScreen);
}

void toggleFullScreen() {
    settings.fullScreen = displayIsWindowed();
    applySettings(settings.fullScreen);
}

bool saveSettings() {
    gameLog.write("Saving SETTINGS.DAT");
    DataWriter out;
    if (out.open(settingsFile)) {
        const Settings& s = settings;
        for (bool flag :
             {s.playSound, s.playMusic, s.fullScreen, s.showFps, s.firstTime, s.animateTumblo})
            writeBool(out, flag);
        if (out.commit()) return true;
    }
    gameLog.write("Error saving SETTINGS.DAT!");
    return false;
}
