// Where the menus draw their texts, read back from the frame with a font of
// white boxes.
#include "front_end_fixture.h"
#include "progress/progress_fixture.h"
#include "screens/settings_menu.h"
#include "screens/stage_select.h"
#include "screens/title_menu.h"

namespace {
// Runs `screen` and checks the frame after `frame` with `check`.
template <typename Screen, typename Check> void atFrame(int frame, Screen screen, Check check) {
    ScreenDriver driver([&](int f) {
        tap(KEY_DOWN, f, 2, 2);
        if (f == frame) {
            check();
            requestQuit();
        }
    });
    screen();
    clearQuitRequest();
}
} // namespace

TEST_F(FrontEndTest, TitleShowsItsItemsPointerVersionAndCreditAndTheSuperLineWhenCleared) {
    useBoxFont();
    const char* credit = "Rolled out by the Tumblo crew";
    auto common = [&] {
        for (int item = 0; item < 6; ++item)
            EXPECT_TRUE(textStartsAt(140, 140 + 12 * item)) << item;
        EXPECT_TRUE(textStartsAt(120, 152)); // the pointer, on "Training/Demo Record"
        EXPECT_FALSE(textStartsAt(120, 140));
        EXPECT_TRUE(textStartsAt(4, 228)); // "$C 1.1"
        EXPECT_TRUE(textStartsAt(centredX(credit), 220));
    };
    atFrame(10, titleMenu, [&] {
        common();
        EXPECT_FALSE(textStartsAt(centredX("You are a SUPER $C"), 108));
    });
    statistics.extraStagesUnlocked = 1;
    atFrame(10, titleMenu, [&] {
        common();
        EXPECT_TRUE(textStartsAt(centredX("You are a SUPER $C"), 108));
    });
}

TEST_F(FrontEndTest, SettingsShowSevenItemsFrom128WithThePointerAt100AndTheSetInUse) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {1}));
    useBoxFont();
    atFrame(10, settingsMenu, [] {
        for (int item = 0; item < 7; ++item)
            EXPECT_TRUE(textStartsAt(120, 128 + 12 * item)) << item;
        EXPECT_TRUE(textStartsAt(100, 140));
        EXPECT_TRUE(textStartsAt(centredX("Using Stage Set: Numbered"), 220));
    });
}

TEST_F(FrontEndTest, StageSelectHeadsItsListAndNamesTheSetInUse) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {3}));
    unlockData.stageUnlocked[1] = 1;
    useBoxFont();
    atFrame(10, stageSelectScreen, [] {
        EXPECT_TRUE(textStartsAt(centredX("SELECT STAGE"), 5));
        EXPECT_TRUE(textStartsAt(centredX("Using Stage Set: Numbered"), 220));
        EXPECT_TRUE(textStartsAt(40, 40));
        EXPECT_TRUE(textStartsAt(40, 52));
        EXPECT_FALSE(textStartsAt(40, 64)); // the third stage is locked
        EXPECT_TRUE(textStartsAt(16, 52));  // the pointer, moved down once
    });
}
