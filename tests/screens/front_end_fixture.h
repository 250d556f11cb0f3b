#pragma once

// The menus and screens of the front end driven headless, tick by tick, as a
// player would: a fresh game folder, fresh records, and sound rendered into
// memory so that a test can tell which effects were played.
#include "level/graphics.h"
#include "level/teardown.h"
#include "platform/display.h"
#include "platform/log.h"
#include "platform/quit_request.h"
#include "platform/sound_mixer.h"
#include "platform/sound_test_files.h"
#include "progress/options.h"
#include "progress/par_times.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "screens/menu_look.h"
#include "support/test_env.h"
#include "text/font.h"
#include "ui/message_screen.h"
#include "ui/sound_table.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class FrontEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        messagesToStderr = true;
        clearQuitRequest();
        releaseSimulatedKeys();
        settings = Settings();
        statistics = Statistics();
        unlockData = UnlockData();
        stageSet = StageSet();
        options = Options();
        parTimes = ParTimes();
        applySettings();
        menuScroll = 0;
        gameLog.setFile("tumblo.log");
        gameLog.setEnabled(true);
        gameLog.setIndent(0);
    }
    void TearDown() override {
        gameFont.destroySheet();
        gameFont = Font();
        releaseGameData();
        releaseTitleArt();
        menuMusic.unload();
        closeSound();
        gameLog.setEnabled(false);
        clearQuitRequest();
        releaseSimulatedKeys();
    }

    // Only the named effects are loaded (long enough never to end, since the
    // mixer is not rendered), so the number of voices counts their playbacks.
    void listenTo(std::initializer_list<const char*> effects) {
        for (const char* name : effects)
            writeFileBytes(std::string("SOUND/") + name + ".WAV", makeToneWav(22050, 44100));
        startSoundInMemory();
        soundAvailable = true;
        loadSoundEffects();
    }
    int voices() { return soundMixer.activeVoices(); }

    // A font whose every character and icon is a white box, so that a test can
    // see where texts were drawn; a space is a gap.
    static constexpr int boxWidth = 6, boxHeight = 8, boxSpace = 3;
    static void useBoxFont() {
        gameFont = Font();
        gameFont.glyphHeight = boxHeight;
        gameFont.lineHeight = 12;
        gameFont.spaceWidth = boxSpace;
        for (int c = 33; c < Font::tableSize; ++c)
            gameFont.glyphs[c] = gameFont.icons[c] = {0, 0, boxWidth};
        gameFont.sheet = Picture::create(boxWidth, boxHeight);
        clearPicture(gameFont.sheet, colourOf(255, 255, 255));
    }
    std::vector<std::string> logLines() const { return fileLines("tumblo.log"); }

    TempGameDir dir;
};

// A FrameDriver that gives up on a screen that never returns: the test fails
// instead of hanging.
class ScreenDriver : public FrameDriver {
public:
    explicit ScreenDriver(Script script, int frameLimit = 30000)
        : FrameDriver([script, frameLimit](int frame) {
              if (frame == frameLimit) {
                  ADD_FAILURE() << "the screen was still running after " << frameLimit << " frames";
                  requestQuit();
              }
              script(frame);
          }) {}
};

// Holds `key` from frame `at` for `length` frames. What a script sets after
// frame n is seen by the step after it, so steps at + 1 .. at + length see the
// key held.
inline void tap(Key key, int frame, int at, int length = 5) {
    if (frame == at) simulateKey(key, true);
    if (frame == at + length) simulateKey(key, false);
}
