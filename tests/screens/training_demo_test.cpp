// A demo recorded in training appears in the demo browser and plays back to
// the same end, on the runway: a tiny stage made for the test.
#include "front_end_fixture.h"
#include "game/demo.h"
#include "game/play_records.h"
#include "level/map.h"
#include "screens/demo_browser.h"
#include "screens/stage_select.h"
#include "support/stage_files.h"
#include "ui/list_menu.h"

TEST_F(FrontEndTest, ADemoRecordedInTrainingIsListedAndPlaysBackToTheSameEnd) {
    writeRunwayStage();
    ASSERT_TRUE(loadStageSet("DEFAULT.STG"));
    recordStats = true;
    {
        ScreenDriver driver([&](int frame) {
            tap(Key::Return, frame, 5); // the only stage
            tap(Key::F2, frame, 40, 3); // record
            simulateKey(Key::Right, frame >= 60 && frame < 600);
            tap(Key::R, frame, 700);      // the demo's name
            tap(Key::Return, frame, 720); // saves it
            tap(Key::Escape, frame, 800); // leaves the list
        });
        stageSelectScreen();
    }
    ASSERT_TRUE(fileExists("DEMOS/R.TDM"));
    EXPECT_EQ(statistics.demosSaved, 1);
    ListMenu list;
    DemoInfo info;
    buildDemoList(list, info);
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list.entry(0).text, "R.TDM");
    std::string recordedTime = info.clearTime;
    EXPECT_NE(recordedTime.find(" (100%)"), std::string::npos) << recordedTime;
    EXPECT_EQ(list.entry(0).description, "Map: Runway\nClear time: " + recordedTime + "\n$A");

    recordStats = false;
    currentMap.timeText[0] = '\0';
    clearsThisRun = 0;
    Statistics before = statistics;
    ScreenDriver driver([&](int frame) {
        tap(Key::Return, frame, 5);
        tap(Key::Escape, frame, 1500);
    });
    demoBrowserScreen();
    EXPECT_EQ(clearsThisRun, 1);
    EXPECT_EQ(std::string(currentMap.timeText), recordedTime);
    EXPECT_EQ(statistics.gameSeconds, before.gameSeconds); // watching counts nothing
}
