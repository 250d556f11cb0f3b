// The settings menu: each switch acts at once and is written at exit.
#include "front_end_fixture.h"
#include "progress/progress_fixture.h"
#include "screens/settings_menu.h"

namespace {
// Confirms the first `items` items one after the other, then "Return".
void confirmItems(int items) {
    ScreenDriver driver([=](int frame) {
        for (int i = 0; i < items; ++i) {
            tap(Key::Return, frame, 5 + 20 * i, 3);
            tap(Key::Down, frame, 15 + 20 * i, 3);
        }
        // On to "Return"; up from the first item wraps round to it.
        int at = 20 * items + 5;
        if (items == 0) tap(Key::Up, frame, at, 3);
        for (int i = 0; items > 0 && i < 6 - items; ++i)
            tap(Key::Down, frame, at + 10 * i, 3);
        tap(Key::Return, frame, at + 50, 3);
    });
    settingsMenu();
}
} // namespace

TEST_F(FrontEndTest, EachSwitchActsAtOnceAndIsWrittenAtExit) {
    listenTo({"CURSOR"});
    writeFileBytes("MUSIC/wander.it", makeModule());
    ASSERT_TRUE(menuMusic.load("MUSIC\\wander.it"));
    menuMusic.play();
    ASSERT_TRUE(displayIsWindowed());
    confirmItems(5); // sound, music, full screen, animation, frame counter
    EXPECT_FALSE(menuMusic.playing);
    EXPECT_FALSE(soundMixer.songPlaying(menuMusic.handle));
    EXPECT_FALSE(displayIsWindowed());
    // The effects were switched off first: the cursor's moves were silent.
    EXPECT_EQ(voices(), 0);
    ASSERT_TRUE(saveSettings());
    EXPECT_EQ(readFileBytes("SETTINGS.DAT"), ints({0, 0, 1, 1, 1, 0}));

    confirmItems(5); // and back again
    EXPECT_GT(voices(), 0);
    EXPECT_TRUE(menuMusic.playing);
    EXPECT_TRUE(soundMixer.songPlaying(menuMusic.handle));
    EXPECT_TRUE(displayIsWindowed());
    ASSERT_TRUE(saveSettings());
    EXPECT_EQ(readFileBytes("SETTINGS.DAT"), ints({1, 1, 0, 0, 1, 1}));
}

TEST_F(FrontEndTest, SettingsIgnoreAnEnterHeldFromTheTitleAndLeaveByUpOrEsc) {
    simulateKey(Key::Return, true);
    {
        ScreenDriver driver([](int frame) {
            if (frame == 10) simulateKey(Key::Return, false);
            tap(Key::Escape, frame, 20);
        });
        settingsMenu();
        EXPECT_EQ(driver.frames(), 21);
    }
    EXPECT_TRUE(settings.playSound);
    confirmItems(0); // up wraps to "Return"
    EXPECT_TRUE(settings.playSound);
}

TEST_F(FrontEndTest, StageSetItemOpensTheSelectAndItsPressMustBeLetGo) {
    writeFileBytes("DATA/ONE.STG", stageSetBytes("One", {{"G", {"a"}}}));
    std::string messages = messagesOf([] {
        ScreenDriver driver([](int frame) {
            for (int i = 0; i < 5; ++i)
                tap(Key::Down, frame, 2 + 4 * i, 2); // to "Stage Set"
            tap(Key::Return, frame, 30, 3);
            // Choosing the set with ENTER held on: the menu waits for its release.
            if (frame == 45) simulateKey(Key::Return, true);
            if (frame == 120) simulateKey(Key::Return, false);
            tap(Key::Down, frame, 125, 2);
            tap(Key::Return, frame, 135, 3); // "Return"
        });
        settingsMenu();
        EXPECT_EQ(driver.frames(), 136);
    });
    EXPECT_STREQ(stageSet.title, "One");
    EXPECT_TRUE(settings.playSound);
}

TEST_F(FrontEndTest, ARefusedFullScreenShowsTheWindowAndKeepsThePlayersChoice) {
    simulateFullScreenRefused(true);
    confirmItems(3); // sound and music off, then full screen: refused
    EXPECT_TRUE(displayIsWindowed());
    EXPECT_TRUE(settings.fullScreen); // saved for the next start to try again
    auto refusals = [this] {
        std::vector<std::string> lines = logLines();
        return std::count(lines.begin(), lines.end(),
                          "Unable to set full screen mode, using a window");
    };
    EXPECT_EQ(refusals(), 1);
    confirmItems(3); // the item shows a window, so a press asks again
    EXPECT_EQ(refusals(), 2);
    simulateFullScreenRefused(false);
}

TEST_F(FrontEndTest, AltEnterSwitchesTheScreenAsTheItemDoesAndConfirmsNothing) {
    setAltEnterAction(toggleFullScreen);
    ScreenDriver driver([](int frame) {
        if (frame == 5) simulateKey(Key::Alt, true);
        tap(Key::Return, frame, 8, 3);
        if (frame == 14) simulateKey(Key::Alt, false);
        tap(Key::Escape, frame, 20, 3);
    });
    settingsMenu();
    setAltEnterAction(nullptr);
    EXPECT_FALSE(displayIsWindowed());
    EXPECT_TRUE(settings.fullScreen);
    EXPECT_TRUE(settings.playSound); // the item under the cursor was not confirmed
    applySettings(false);
}
