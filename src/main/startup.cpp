#include "main/game_main.h"

#include "game/stage_flow.h"
#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/quit_request.h"
#include "progress/controls.h"
#include "progress/options.h"
#include "progress/par_times.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "screens/about_screen.h"
#include "screens/extra_stages_screen.h"
#include "screens/frame_counter.h"
#include "screens/logo_animation.h"
#include "screens/menu_look.h"
#include "screens/outro.h"
#include "text/font.h"
#include "text/text_utils.h"
#include "ui/message_screen.h"
#include "ui/sound_table.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
void writeBanner() {
    gameLog.setFile("tumblo.log");
    gameLog.setEnabled(true);
    gameLog.setIndent(0);
    gameLog.write("*********************");
    gameLog.write("TUMBLO is starting up");
    gameLog.write("Version is 1.1");
    gameLog.write("*********************");
    gameLog.write("--- Starting up ---");
    gameLog.setIndent(1);
}

void lookForJoystick() {
    gameLog.write("Detecting joystick");
    gameLog.write(detectJoystick() ? "Joystick detected" : "No joystick detected");
}

void loadFont() {
    gameLog.write("Loading Font");
    std::string error;
    if (!gameFont.load("DATA\\FONT.FNT", error)) showError(error.c_str());
    gameFont.sheet = loadBitmap("BITMAP\\GENERAL\\FONT.BMP");
    if (!gameFont.sheet) gameLog.write("Unable to load FONT.BMP");
}
} // namespace

bool startUp(const FileRoots& roots, const StartUpOptions& options) {
    writeBanner();
    // Where the player's files go: beside the data in a build tree, in the
    // home folder when installed.
    gameLog.write(
        ("Writing files to: " + (roots.user.empty() ? std::string(".") : roots.user)).c_str());
    screenWidth = 320;
    screenHeight = 240;
    gameLog.write("Using 320x240 PAGEFLIP rendering");
    gameLog.write("Using 16 bit colormode");
    bool started =
        options.headless ? initHeadlessGraphics() : initGraphics(screenWidth, screenHeight, true);
    if (!started) {
        gameLog.write("Unable to initialize Allegro");
        reportDisplayFailure("tumblo");
        showSystemMessage("Unable to initialize Allegro!");
        return false;
    }
    gameLog.write("Started Allegro");
    keepRunningInBackground();
    gameLog.write("Setting switchMode");
    clearPicture(backBuffer, colourOf(0, 0, 0));
    setPageOverlay(drawFrameCounter);
    // Clearing the last stage of a set shows screens of the front end, which
    // play cannot name itself.
    setExtraStagesScreen(extraStagesScreen);
    setOutroScreen(outro);
    setModdingGuidePath(roots.moddingGuide.c_str());
    lookForJoystick();
    seedRandom();
    setWindowTitle("Tumblo");
    // Players expect the close button to leave the game; it asks to leave the
    // way a signal does, so settings and statistics are saved and the whole
    // shut-down runs.
    letCloseButtonQuit();

    gameLog.write("Starting fMod");
    if (options.headless) {
        startSoundInMemory();
        soundAvailable = true;
    } else {
        soundAvailable = startSound();
    }
    if (!soundAvailable) gameLog.write("Unable to initialize FMOD");
    // After the libraries, which install handlers of their own (the display
    // library's ends the program at once).
    installQuitSignals();

    fpsCounter.start();
    gameLog.write("Starting gameTimer");
    startGameTimer(ticksPerSecond);
    // Said once, when the clock runs so that the message can be dismissed.
    if (!roots.userWritable) {
        gameLog.write("Unable to write there: nothing will be saved");
        showMessage("Error", "Your settings and progress cannot be saved");
    }

    loadFont();
    gameLog.write("Loading SoundEffects");
    loadSoundEffects();
    loadStageSet("DEFAULT.STG");
    loadSettings();
    applySettings(options.fullScreen.value_or(settings.fullScreen));
    loadControls();
    loadOptions();
    loadParTimes();
    setAltEnterAction(toggleFullScreen);
    loadStatistics();
    gameLog.write("Loading Graphics");
    loadGraphics();

    gameLog.setIndent(0);
    gameLog.write("--- Done Loading ---");
    titleLogoAnimation();
    menuMusic.load("MUSIC\\wander.it");
    statistics.countGameStarted();
    return true;
}
