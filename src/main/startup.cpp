#include "main/game_main.h"

#include "game/stage_flow.h"
#include "level/graphics.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/log.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "screens/about_screen.h"
#include "screens/frame_counter.h"
#include "screens/logo_animation.h"
#include "screens/outro.h"
#include "text/font.h"
#include "text/message_screen.h"
#include "text/text_utils.h"

#include <allegro.h>
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

void detectJoystick() {
    gameLog.write("Detecting joystick");
    install_joystick(JOY_TYPE_AUTODETECT);
    gameLog.write(num_joysticks == 0 ? "No joystick detected" : "Joystick detected");
}

void loadFont() {
    gameLog.write("Loading Font");
    gameFont.load("DATA\\FONT.FNT");
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
        allegro_message("Unable to initialize Allegro!");
        allegro_exit();
        return false;
    }
    gameLog.write("Started Allegro");
    set_display_switch_mode(SWITCH_BACKGROUND);
    gameLog.write("Setting switchMode");
    clear_to_color(backBuffer, makecol(0, 0, 0));
    setPageOverlay(drawFrameCounter);
    // Clearing the last stage of a set plays the outro, a screen play cannot
    // name itself.
    setOutroScreen(outro);
    setModdingGuidePath(roots.moddingGuide.c_str());
    detectJoystick();
    seedRandom();
    set_window_title("Tumblo");
    // Players expect the close button to leave the game; it asks to leave the
    // way a signal does, so settings and statistics are saved and the whole
    // shut-down runs. (The library calls it from its own thread: the request
    // is an atomic flag.)
    set_close_button_callback(requestQuit);

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
    startGameTimer(60);
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
