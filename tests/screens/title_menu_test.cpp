// The title, play and continue menus, driven key by key.
#include "front_end_fixture.h"
#include "platform/clock.h"
#include "progress/progress_fixture.h"
#include "screens/continue_menu.h"
#include "screens/play_menu.h"
#include "screens/title_menu.h"

namespace {
// Runs the title menu with down held from the first step through the step
// after frame `lastHeldFrame`, then ENTER; the chosen item.
int titleAfterHoldingDown(int lastHeldFrame) {
    ScreenDriver driver([=](int frame) {
        simulateKey(Key::Down, frame <= lastHeldFrame);
        tap(Key::Return, frame, lastHeldFrame + 5);
    });
    return titleMenu();
}
} // namespace

TEST_F(FrontEndTest, TitleCursorMovesAtOnceThenEvery8TicksAndWraps) {
    // Held from step 1, down moves at steps 1, 9, 17, 25, 33 and 41.
    EXPECT_EQ(titleAfterHoldingDown(0), titleTraining);
    EXPECT_EQ(titleAfterHoldingDown(7), titleTraining);
    EXPECT_EQ(titleAfterHoldingDown(8), titlePlayback);
    EXPECT_EQ(titleAfterHoldingDown(39), titleExit);
    EXPECT_EQ(titleAfterHoldingDown(40), titlePlay); // down from "Exit" wraps
    ScreenDriver driver([](int frame) {
        tap(Key::Up, frame, 0);
        tap(Key::Return, frame, 10);
    });
    EXPECT_EQ(titleMenu(), titleExit); // up from "Play" wraps
}

TEST_F(FrontEndTest, TitleIgnoresEscAndAnEnterHeldFromBefore) {
    listenTo({"GOLD"});
    simulateKey(Key::Return, true);
    ScreenDriver driver([](int frame) {
        if (frame == 10) simulateKey(Key::Return, false);
        tap(Key::Escape, frame, 20);
        tap(Key::Return, frame, 40);
    });
    EXPECT_EQ(titleMenu(), titlePlay);
    EXPECT_EQ(driver.frames(), 41); // the step after frame 40 chose
    EXPECT_EQ(voices(), 1);         // the gold sound of the choice
}

TEST_F(FrontEndTest, UnlockCombinationWorksOncePerVisit) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {2, 2}));
    listenTo({"TELEPORT"});
    auto visit = [] {
        ScreenDriver driver([](int frame) {
            for (Key key : unlockCombinationKeys) {
                tap(key, frame, 5);  // held together
                tap(key, frame, 20); // and again: nothing more
            }
            // Two of the three do nothing.
            tap(unlockCombinationKeys[0], frame, 30);
            tap(unlockCombinationKeys[1], frame, 30);
            tap(Key::Return, frame, 40);
        });
        titleMenu();
    };
    visit();
    EXPECT_EQ(voices(), 1);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(unlockData.stageUnlocked[s], 1) << s;
    EXPECT_EQ(unlockData.groupUnlocked[1], 1);
    EXPECT_EQ(readFileBytes("DATA/UNLOCK/DEFAULT.STG"),
              ints({1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1}));
    visit(); // a new visit may unlock again
    EXPECT_EQ(voices(), 2);
}

TEST_F(FrontEndTest, PlayMenuBacksOutWithEscSilently) {
    listenTo({"GOLD"});
    {
        // The frame meter starts over on entry, as the title's does.
        fpsCounter.frames = 500;
        ScreenDriver driver([](int frame) {
            simulateKey(Key::Down, frame == 3);
            tap(Key::Escape, frame, 10);
        });
        EXPECT_EQ(playMenu(), playReturn);
        EXPECT_EQ(driver.frames(), 11);
        EXPECT_LE(fpsCounter.frames, 11);
        EXPECT_EQ(voices(), 0);
    }
    ScreenDriver confirm([](int frame) {
        tap(Key::Up, frame, 3);
        tap(Key::Up, frame, 10);
        tap(Key::Return, frame, 20);
    });
    EXPECT_EQ(playMenu(), playContinue); // wrapped from "New Game" to "Return", then up
    EXPECT_EQ(voices(), 1);
}

TEST_F(FrontEndTest, ContinueMenuListsTheUnbrokenRunOfUnlockedGroups) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {1, 1, 1, 1}));
    unlockData.groupUnlocked[1] = 2; // any integer but 0 goes on
    unlockData.groupUnlocked[3] = 1; // after a gap: not offered
    EXPECT_EQ(continuableGroups(), 2);
    auto choose = [](int downs) {
        ScreenDriver driver([=](int frame) {
            for (int i = 0; i < downs; ++i)
                tap(Key::Down, frame, 3 + 10 * i);
            tap(Key::Return, frame, 3 + 10 * downs);
        });
        return continueMenu();
    };
    EXPECT_EQ(choose(0), 0);
    EXPECT_EQ(choose(1), 1);
    EXPECT_EQ(choose(2), -1); // "Return"
    EXPECT_EQ(choose(3), 0);  // wrapped
    {
        ScreenDriver back([](int frame) { tap(Key::Escape, frame, 3); });
        EXPECT_EQ(continueMenu(), -1);
    }

    unlockData.groupUnlocked[0] = 0; // nothing reached: only "Return"
    EXPECT_EQ(continuableGroups(), 0);
    EXPECT_EQ(choose(0), -1);
}
