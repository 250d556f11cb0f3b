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
#include "screens/frame_counter.h"
#include "screens/logo_animation.h"
#include "screens/outro.h"
#include "text/font.h"
#include "text/text_utils.h"

#include <allegro.h>
#include <cstdio>
#include <cstdlib>

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

// Tells whoever started the game from a terminal why no window opened: the
// library's own reason is often empty.
void reportDisplayFailure() {
    const char* display = std::getenv("DISPLAY");
    bool named = display && display[0];
    if (!named)
        std::fprintf(
            stderr,
            "tumblo: no X display is set (DISPLAY is empty), so the game cannot open its window");
    else if (!system_driver) // the library could not even reach the display
        std::fprintf(stderr, "tumblo: cannot open the X display %s", display);
    else
        std::fprintf(stderr, "tumblo: cannot open a window on the X display %s", display);
    if (allegro_error[0]) std::fprintf(stderr, ": %s", allegro_error);
    std::fputc('\n', stderr);
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

bool startUp(const StartUpOptions& options) {
    writeBanner();
    screenWidth = 320;
    screenHeight = 240;
    gameLog.write("Using 320x240 PAGEFLIP rendering");
    gameLog.write("Using 16 bit colormode");
    bool started =
        options.headless ? initHeadlessGraphics() : initGraphics(screenWidth, screenHeight, true);
    if (!started) {
        gameLog.write("Unable to initialize Allegro");
        reportDisplayFailure();
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
    detectJoystick();
    seedRandom();
    set_window_title("Tumblo");
    set_close_button_callback(nullptr); // the window cannot be closed, only exited

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
