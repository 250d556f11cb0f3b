#pragma once

// The front end's fixture with small stand-ins for what the extras show, so
// that their screens can be driven headless and read back: the box font,
// backgrounds of one colour each, and effects and tunes played into a mixer
// that the test renders itself.
#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "screens/front_end_fixture.h"

#include <algorithm>
#include <cstring>

// One of the backgrounds: its game path and its colour (exact in 16 bits).
struct Backdrop {
    const char* file;
    int r, g, b;
};

inline const Backdrop extrasBackdrops[] = {
    {"BITMAP/BG/BG01.BMP", 40, 120, 200},  {"BITMAP/BG/BG02.BMP", 0, 80, 160},
    {"BITMAP/BG/BG03.BMP", 64, 160, 64},   {"BITMAP/BG/BG05.BMP", 48, 48, 48},
    {"BITMAP/BG/BG06.BMP", 200, 160, 96},  {"BITMAP/BG/BG08.BMP", 160, 200, 248},
    {"BITMAP/BG/BGCRED.BMP", 192, 64, 80},
};

inline int backdropColour(const char* file) {
    for (const Backdrop& b : extrasBackdrops)
        if (std::strcmp(b.file, file) == 0) return colourOf(b.r, b.g, b.b);
    return -1;
}

class ExtrasTest : public FrontEndTest {
protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        useBoxFont();
        for (const Backdrop& b : extrasBackdrops)
            writeSolidBitmap(b.file, 320, 240, colourOf(b.r, b.g, b.b));
        ensureDarkOverlay();
        titleBackground.reset();
        titleLogo.reset();
        titleBackground = loadBitmap("BITMAP\\BG\\BG03.BMP");
        writeEffectFiles(2205);
        for (const char* name : {"WANDER", "TROPICAL", "DESERT", "CAVE", "ICE", "COMPLETE", "S"})
            writeFileBytes(std::string("MUSIC/") + name + ".IT", makeModule());
        startSoundInMemory();
        soundAvailable = true;
        loadSoundEffects();
        menuMusic.load("MUSIC\\wander.it");
        menuMusic.play();
    }
    // The rightmost white pixel on rows y .. y + boxHeight - 1, -1 when none.
    static int textEndOnRow(int y) {
        const int white = colourOf(255, 255, 255);
        int end = -1;
        for (int row = y; row < y + boxHeight; ++row)
            for (int x = 0; x < 320; ++x)
                if (pixelAt(backBuffer, x, row) == white) end = std::max(end, x);
        return end;
    }
    static bool textOnRow(int y) { return textEndOnRow(y) >= 0; }
    // The x after the last character of `text` drawn at x.
    static int textEnd(int x, const char* text) { return x + gameFont.textWidth(text); }
    // The pixel at (x, y) is white: text or a pointer is drawn there.
    static bool whiteAt(int x, int y) {
        return pixelAt(backBuffer, x, y) == colourOf(255, 255, 255);
    }
    // A press of `key` at frame `at`, held for three frames.
    static void tapAt(int frame, int at, Key key) { tap(key, frame, at, 3); }
};
