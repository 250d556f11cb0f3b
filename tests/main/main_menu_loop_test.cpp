// The main menu loop: which screen each choice leads to, and when the menu
// tune stops and starts again.
#include "game/play_records.h"
#include "main/game_main.h"
#include "progress/progress_fixture.h"
#include "screens/front_end_fixture.h"

#include <algorithm>

namespace {
// 1/60 s of the mixer, so that the tune moves on as it would be heard.
void renderOneTick() {
    static int16_t buffer[2 * 735];
    soundMixer.render(buffer, 735);
}

int tuneRow() {
    int order = 0, row = 0;
    soundMixer.songOrderRow(menuMusic.handle, order, row);
    return order * 64 + row;
}
} // namespace

TEST_F(FrontEndTest, BackingOutOfContinueReturnsToThePlayMenuAndAMissingMapToTheTitle) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {1, 1})); // the maps are missing
    settings.firstTime = false;
    std::string messages = messagesOf([] {
        ScreenDriver driver([](int frame) {
            tap(Key::Return, frame, 5);  // "Play"
            tap(Key::Down, frame, 15);   // "Continue"
            tap(Key::Return, frame, 25); // the continue menu
            tap(Key::Escape, frame, 35); // back to the play menu
            tap(Key::Return, frame, 45); // "New Game": its map does not load
            tap(Key::Up, frame, 100);    // the title again: "Exit"
            tap(Key::Return, frame, 110);
        });
        mainMenuLoop();
        EXPECT_EQ(driver.frames(), 111);
    });
    EXPECT_NE(messages.find("Unable to load MAP FILE: S0"), std::string::npos) << messages;
    EXPECT_TRUE(recordStats);
    EXPECT_FALSE(playMode.singleStage);
}

TEST_F(FrontEndTest, MenuTuneStopsForPlayAndStartsOverButRunsOnThroughSettings) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {1}));
    listenTo({});
    writeFileBytes("MUSIC/wander.it", makeModule(8));
    ASSERT_TRUE(menuMusic.load("MUSIC\\wander.it"));
    std::vector<int> rows;
    std::vector<bool> playing, counting;
    ScreenDriver driver([&](int frame) {
        renderOneTick();
        // Settings and back: the tune runs on.
        tap(Key::Down, frame, 5, 2);
        tap(Key::Down, frame, 10, 2);
        tap(Key::Down, frame, 15, 2);
        if (frame == 20) rows.push_back(tuneRow());
        tap(Key::Return, frame, 20);
        tap(Key::Escape, frame, 40);
        if (frame == 60) rows.push_back(tuneRow());
        // Demo playback (no demos) and back: the tune stops and starts over.
        // Each visit of the title starts on "Play".
        tap(Key::Down, frame, 60, 2);
        tap(Key::Down, frame, 65, 2);
        tap(Key::Return, frame, 70);
        if (frame == 110) {
            playing.push_back(menuMusic.playing);
            counting.push_back(recordStats);
        }
        tap(Key::Return, frame, 110); // dismisses "No demos found!"
        if (frame == 118) rows.push_back(tuneRow());
        // Training (no stage to choose) and back.
        tap(Key::Down, frame, 120, 2);
        tap(Key::Return, frame, 130);
        if (frame == 170) {
            playing.push_back(menuMusic.playing);
            counting.push_back(recordStats);
        }
        tap(Key::Escape, frame, 170);
        tap(Key::Up, frame, 190, 2);
        tap(Key::Return, frame, 200); // "Exit"
    });
    unlockData.stageUnlocked[0] = 0;
    mainMenuLoop();
    EXPECT_EQ(driver.frames(), 201);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_GT(rows[0], 5);       // the tune has been running since the title came up
    EXPECT_GT(rows[1], rows[0]); // and went on through the settings
    EXPECT_LT(rows[2], 8);       // it started over after the demo browser
    EXPECT_EQ(playing, (std::vector<bool>{false, false}));
    EXPECT_EQ(counting, (std::vector<bool>{false, true}));
    EXPECT_TRUE(menuMusic.playing);
}

TEST_F(FrontEndTest, AQuitRequestInsideAScreenLeavesTheLoop) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {1}));
    ScreenDriver driver([](int frame) {
        tap(Key::Up, frame, 5, 2);
        tap(Key::Up, frame, 10, 2);
        tap(Key::Up, frame, 12, 2);
        tap(Key::Return, frame, 20); // "Settings"
        tap(Key::Up, frame, 25, 2);
        tap(Key::Up, frame, 30, 2);
        tap(Key::Return, frame, 40); // "Stage Set", with no stage set to list
        if (frame == 60) requestQuit();
    });
    mainMenuLoop();
    EXPECT_LT(driver.frames(), 70);
}
