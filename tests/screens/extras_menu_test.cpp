// The extras menu driven as a player would: its items, the ways back, and the
// sounds and tunes around the screens it opens.
#include "platform/sound_mixer.h"
#include "screens/extras_fixture.h"
#include "screens/extras_menu.h"

namespace {
constexpr int itemX = 140;
int itemY(int item) {
    return 140 + 12 * item;
}
} // namespace

TEST_F(ExtrasTest, BackOrReturnLeavesAndTheCursorWrapsUpToReturn) {
    simulateKey(Key::Escape, true); // the press that came here must not leave at once
    FrameDriver back([&](int frame) {
        if (frame == 3) simulateKey(Key::Escape, false);
        tapAt(frame, 6, Key::Escape);
        if (frame > 100) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(back.frames(), 7);
    releaseSimulatedKeys();

    FrameDriver wrap([&](int frame) {
        tapAt(frame, 2, Key::Up);
        tapAt(frame, 10, Key::Return);
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
            tapAt(frame, 2 + 10 * i, Key::Down);
        tapAt(frame, 50, Key::Return);
        if (frame == 60) tuneDuringHelp = menuMusic.playing;
        // Eleven lines at once by presses, then the press that ends the help.
        for (int i = 0; i < 12; ++i)
            tapAt(frame, 70 + 10 * i, Key::Return);
        tapAt(frame, 200, Key::Escape);
        if (frame > 300) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(help.frames(), 201);
    EXPECT_FALSE(settings.firstTime);
    EXPECT_TRUE(tuneDuringHelp); // the help keeps the menu tune
    releaseSimulatedKeys();

    statistics.gamesCleared = 1;
    int outroEnd = -1;
    bool tuneDuringOutro = true;
    bool tuneAfterOutro = false;
    FrameDriver outro([&](int frame) {
        if (frame == 1) outroEnd = textEndOnRow(itemY(4));
        // Up past "Return", "Records" and "Controls".
        for (int i = 0; i < 4; ++i)
            tapAt(frame, 2 + 10 * i, Key::Up);
        tapAt(frame, 42, Key::Return);
        if (frame == 50) tuneDuringOutro = menuMusic.playing;
        // ESC ends the outro; held on, it must not also leave the menu.
        if (frame == 60) simulateKey(Key::Escape, true);
        if (frame == 130) {
            tuneAfterOutro = menuMusic.playing;
            simulateKey(Key::Escape, false);
        }
        tapAt(frame, 140, Key::Escape);
        if (frame > 300) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(outroEnd, textEnd(itemX, "Outro") - 1);
    EXPECT_FALSE(tuneDuringOutro);
    EXPECT_TRUE(tuneAfterOutro);
    EXPECT_EQ(outro.frames(), 141);
}

TEST_F(ExtrasTest, TheSoundTestIsHeardWithEffectsOffAndLeavesTheSwitchOff) {
    settings.playSound = false;
    applySettings();
    int voices[5] = {};
    bool tuneInTest = true;
    FrameDriver driver([&](int frame) {
        tapAt(frame, 2, Key::Return); // "Sound test", its confirm sound switched off
        if (frame == 10) {
            voices[0] = soundMixer.activeVoices();
            tuneInTest = menuMusic.playing;
        }
        tapAt(frame, 12, Key::Return); // gold
        if (frame == 20) voices[1] = soundMixer.activeVoices();
        tapAt(frame, 22, Key::Down);   // the cursor sound
        tapAt(frame, 32, Key::Return); // cup
        if (frame == 40) voices[2] = soundMixer.activeVoices();
        tapAt(frame, 42, Key::Up);
        tapAt(frame, 52, Key::Up); // wraps to "Return"
        tapAt(frame, 62, Key::Return);
        if (frame == 70) voices[3] = soundMixer.activeVoices();
        tapAt(frame, 72, Key::Down); // back in the extras: silent again
        if (frame == 80) voices[4] = soundMixer.activeVoices();
        tapAt(frame, 82, Key::Escape);
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
