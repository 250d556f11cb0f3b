#pragma once

// A game folder with small stand-ins for what the extras show, so that their
// screens can be driven headless and read back: a font whose every character
// is a white box, backgrounds of one colour each, and effects and tunes played
// into a mixer that the test renders itself.
#include "level/graphics.h"
#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "platform/sound_test_files.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "support/test_env.h"
#include "text/font.h"
#include "text/message_screen.h"

#include <algorithm>
#include <allegro.h>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

// One of the backgrounds: its game path and its colour (exact in 16 bits).
struct Backdrop {
    const char* file;
    int r, g, b;
};

// Characters of the box font: white boxes this wide and high; a space is a gap.
constexpr int boxWidth = 6;
constexpr int boxHeight = 8;
constexpr int boxSpace = 3;

// Saves a picture under a game path, making its folders.
inline void savePicture(const char* file, BITMAP* picture) {
    writeFileBytes(file, {});
    save_bitmap(file, picture, nullptr);
}

class ExtrasTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Rows y .. y + boxHeight - 1 of the back buffer hold text (white pixels).
    static bool textOnRow(int y);
    // The rightmost white pixel on row y, -1 when there is none.
    static int textEndOnRow(int y);
    // The x after the last character of `text` drawn at x.
    static int textEnd(int x, const char* text);
    // The pixel at (x, y) is white: text or a pointer is drawn there.
    static bool whiteAt(int x, int y) {
        return getpixel(backBuffer, x, y) == makecol(255, 255, 255);
    }
    // A press of `key` at frame `at`, held for three frames.
    static void tapAt(int frame, int at, int key) {
        if (frame == at) setKey(key, true);
        if (frame == at + 3) setKey(key, false);
    }

    TempGameDir dir;
};

inline const Backdrop extrasBackdrops[] = {
    {"BITMAP/BG/BG01.BMP", 40, 120, 200},  {"BITMAP/BG/BG02.BMP", 0, 80, 160},
    {"BITMAP/BG/BG03.BMP", 64, 160, 64},   {"BITMAP/BG/BG05.BMP", 48, 48, 48},
    {"BITMAP/BG/BG06.BMP", 200, 160, 96},  {"BITMAP/BG/BG08.BMP", 160, 200, 248},
    {"BITMAP/BG/BGCRED.BMP", 192, 64, 80},
};
inline const int extrasBackdropCount = (int)(sizeof extrasBackdrops / sizeof extrasBackdrops[0]);

inline int backdropColour(const char* file) {
    for (const Backdrop& b : extrasBackdrops)
        if (std::strcmp(b.file, file) == 0) return makecol(b.r, b.g, b.b);
    return -1;
}

namespace extras_fixture {
inline const char* const effectFiles[] = {"GOLD",    "CUP",    "DIE",  "START", "TELEPORT",
                                          "VANTRIX", "CURSOR", "LIFE", "JUMP"};
inline const char* const tuneFiles[] = {"WANDER", "TROPICAL", "DESERT", "CAVE",
                                        "ICE",    "COMPLETE", "S"};

inline void useBoxFont() {
    gameFont = Font();
    gameFont.glyphHeight = boxHeight;
    gameFont.lineHeight = 12;
    gameFont.spaceWidth = boxSpace;
    for (int c = 33; c < 128; ++c) {
        gameFont.glyphs[c] = {0, 0, boxWidth};
        gameFont.icons[c] = {0, 0, boxWidth};
    }
    gameFont.sheet = create_bitmap(boxWidth, boxHeight);
    clear_to_color(gameFont.sheet, makecol(255, 255, 255));
}

inline void writePicture(const char* file, int w, int h, int colour) {
    BITMAP* picture = create_bitmap(w, h);
    clear_to_color(picture, colour);
    savePicture(file, picture);
    destroy_bitmap(picture);
}
} // namespace extras_fixture

inline void ExtrasTest::SetUp() {
    using namespace extras_fixture;
    ensureHeadless();
    messagesToStderr = true;
    clearQuitRequest();
    releaseAllKeys();
    useBoxFont();
    for (const Backdrop& b : extrasBackdrops)
        writePicture(b.file, 320, 240, makecol(b.r, b.g, b.b));
    if (!darkOverlay) {
        darkOverlay = create_bitmap(320, 240);
        clear_to_color(darkOverlay, makecol(0, 0, 0));
    }
    destroyBitmap(titleBackground);
    destroyBitmap(titleLogo);
    titleBackground = loadBitmap("BITMAP\\BG\\BG03.BMP");
    menuScroll = 0;

    for (const char* name : effectFiles)
        writeFileBytes(std::string("SOUND/") + name + ".WAV", makeToneWav(22050, 2205));
    for (const char* name : tuneFiles)
        writeFileBytes(std::string("MUSIC/") + name + ".IT", makeModule());
    startSoundInMemory();
    soundAvailable = true;
    settings = Settings();
    statistics = Statistics();
    unlockData = UnlockData();
    stageSet = StageSet();
    applySoundSwitches();
    loadSoundEffects();
    menuMusic.load("MUSIC\\wander.it");
    menuMusic.play();
}

inline void ExtrasTest::TearDown() {
    menuMusic.unload();
    for (SoundEffect& effect : soundEffects)
        effect.release();
    closeSound();
    setSoundSwitches(true, true);
    destroyBitmap(titleBackground);
    gameFont.destroySheet();
    gameFont = Font();
    clearQuitRequest();
    releaseAllKeys();
}

inline bool ExtrasTest::textOnRow(int y) {
    return textEndOnRow(y) >= 0;
}

inline int ExtrasTest::textEndOnRow(int y) {
    const int white = makecol(255, 255, 255);
    int end = -1;
    for (int row = y; row < y + boxHeight; ++row)
        for (int x = 0; x < 320; ++x)
            if (getpixel(backBuffer, x, row) == white) end = std::max(end, x);
    return end;
}

inline int ExtrasTest::textEnd(int x, const char* text) {
    return x + gameFont.textWidth(text);
}
