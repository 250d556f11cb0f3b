// The extras menu driven as a player would: its items, the ways back, and the
// sounds and tunes around the screens it opens.
#include "platform/sound_mixer.h"
#include "screens/extras_menu.h"
#include "screens_test/extras_fixture.h"

namespace {
constexpr int itemX = 140;
int itemY(int item) {
    return 140 + 12 * item;
}
} // namespace

TEST_F(ExtrasTest, BackOrReturnLeavesAndTheCursorWrapsUpToReturn) {
    setKey(KEY_ESC, true); // the press that came here must not leave at once
    FrameDriver back([&](int frame) {
        if (frame == 3) setKey(KEY_ESC, false);
        tapAt(frame, 6, KEY_ESC);
        if (frame > 100) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(back.frames(), 7);
    releaseAllKeys();

    FrameDriver wrap([&](int frame) {
        tapAt(frame, 2, KEY_UP);
        tapAt(frame, 10, KEY_ENTER);
        if (frame > 100) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(wrap.frames(), 11);
}

TEST_F(ExtrasTest, ItemFourIsTheHelpUntilTheGameIsClearedThenTheOutro) {
    settings.firstTime = true;
    bool tuneDuringHelp = false;
    FrameDriver help([&](int frame) {
        for (int i = 0; i < 4; ++i)
            tapAt(frame, 2 + 10 * i, KEY_DOWN);
        tapAt(frame, 50, KEY_ENTER);
        if (frame == 60) tuneDuringHelp = menuMusic.playing;
        // Eleven lines at once by presses, then the press that ends the help.
        for (int i = 0; i < 12; ++i)
            tapAt(frame, 70 + 10 * i, KEY_ENTER);
        tapAt(frame, 200, KEY_ESC);
        if (frame > 300) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(help.frames(), 201);
    EXPECT_FALSE(settings.firstTime);
    EXPECT_TRUE(tuneDuringHelp); // the help keeps the menu tune
    releaseAllKeys();

    statistics.gamesCleared = 1;
    int outroEnd = -1;
    bool tuneDuringOutro = true;
    bool tuneAfterOutro = false;
    FrameDriver outro([&](int frame) {
        if (frame == 1) outroEnd = textEndOnRow(itemY(4));
        tapAt(frame, 2, KEY_UP);
        tapAt(frame, 12, KEY_UP);
        tapAt(frame, 22, KEY_ENTER);
        if (frame == 40) tuneDuringOutro = menuMusic.playing;
        // ESC ends the outro; held on, it must not also leave the menu.
        if (frame == 50) setKey(KEY_ESC, true);
        if (frame == 120) {
            tuneAfterOutro = menuMusic.playing;
            setKey(KEY_ESC, false);
        }
        tapAt(frame, 130, KEY_ESC);
        if (frame > 300) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(outroEnd, textEnd(itemX, "Outro") - 1);
    EXPECT_FALSE(tuneDuringOutro);
    EXPECT_TRUE(tuneAfterOutro);
    EXPECT_EQ(outro.frames(), 131);
}

TEST_F(ExtrasTest, TheSoundTestIsHeardWithEffectsOffAndLeavesTheSwitchOff) {
    settings.playSound = false;
    applySoundSwitches();
    int voices[5] = {};
    bool tuneInTest = true;
    FrameDriver driver([&](int frame) {
        tapAt(frame, 2, KEY_ENTER); // "Sound test", its confirm sound switched off
        if (frame == 10) {
            voices[0] = soundMixer.activeVoices();
            tuneInTest = menuMusic.playing;
        }
        tapAt(frame, 12, KEY_ENTER); // gold
        if (frame == 20) voices[1] = soundMixer.activeVoices();
        tapAt(frame, 22, KEY_DOWN);  // the cursor sound
        tapAt(frame, 32, KEY_ENTER); // cup
        if (frame == 40) voices[2] = soundMixer.activeVoices();
        tapAt(frame, 42, KEY_UP);
        tapAt(frame, 52, KEY_UP); // wraps to "Return"
        tapAt(frame, 62, KEY_ENTER);
        if (frame == 70) voices[3] = soundMixer.activeVoices();
        tapAt(frame, 72, KEY_DOWN); // back in the extras: silent again
        if (frame == 80) voices[4] = soundMixer.activeVoices();
        tapAt(frame, 82, KEY_ESC);
        if (frame > 200) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(driver.frames(), 83);
    EXPECT_EQ(voices[0], 0);
    EXPECT_EQ(voices[1], 1);
    EXPECT_EQ(voices[2], 3);
    EXPECT_EQ(voices[3], 5);
    EXPECT_EQ(voices[4], 5);
    EXPECT_FALSE(tuneInTest);
    EXPECT_FALSE(settings.playSound);
    EXPECT_TRUE(menuMusic.playing);
}
