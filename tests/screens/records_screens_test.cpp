// Best times as a player meets them on the runway: training clears set them
// and the stage select shows them, a playback never counts, G in the demo
// browser makes a demo the ghost, a changed map shows its old records as such
// until the next clear, and the Records screen switches the ghost.
#include "front_end_fixture.h"
#include "game/demo.h"
#include "game/play_records.h"
#include "progress/clear_time.h"
#include "progress/ghosts.h"
#include "progress/map_hash.h"
#include "progress/records.h"
#include "screens/demo_browser.h"
#include "screens/records_screen.h"
#include "screens/stage_select.h"
#include "support/stage_files.h"
#include "ui/list_menu.h"

namespace {
StageRecords runwayRecords() {
    return loadRecords("DEFAULT.STG").of("RUNWAY.MAP");
}

// What the stage select shows of the runway.
std::string runwayDescription() {
    ListMenu list;
    buildStageList(list);
    describeStageRecords(list);
    return list.count == 1 ? list.entry(0).description : "(no runway)";
}

// Training on the runway, setting off `lateBy` frames after the stage starts;
// each run gets 500 frames, its clear sequence included.
void trainOnTheRunway(
    std::initializer_list<int> lateBy, std::function<void(int run)> afterRun = [](int) {}) {
    std::vector<int> late(lateBy);
    ScreenDriver driver([&](int frame) {
        int run = frame / 500, at = frame % 500;
        tap(Key::Escape, frame, 500 * (int)late.size() + 5);
        if (run >= (int)late.size()) return;
        tap(Key::Return, frame, 500 * run + 5);
        simulateKey(Key::Right, at >= 10 + late[(size_t)run] && at < 400);
        if (at == 499) afterRun(run);
    });
    stageSelectScreen();
}
} // namespace

TEST_F(FrontEndTest, TrainingClearsSetTheRecordsTheStageSelectShowsAndAPlaybackSetsNone) {
    writeRunwayStage();
    ASSERT_TRUE(loadStageSet("DEFAULT.STG"));
    writeFileBytes("DATA/PARTIMES.TXT",
                   {'4', '7', ' ', 'R', 'U', 'N', 'W', 'A', 'Y', '.', 'M', 'A', 'P', '\n'});
    loadParTimes();
    EXPECT_EQ(runwayDescription(), "Not cleared yet  Par 00:00:81");
    // Slow, faster, slower: one record, then a better one, then none.
    std::vector<int32_t> best;
    trainOnTheRunway({60, 20, 90}, [&](int) { best.push_back(runwayRecords().best.tick); });
    ASSERT_EQ(best.size(), 3u);
    EXPECT_GT(best[0], 0);
    EXPECT_EQ(best[1], best[0] - 40);
    EXPECT_EQ(best[2], best[1]);
    StageRecords kept = runwayRecords();
    EXPECT_EQ(kept.cup.tick, best[1]); // the cup lies on the way
    EXPECT_EQ(kept.best.date, todayDate());
    // 99 ticks against a par of 48: more than gold's second, within silver's two.
    EXPECT_EQ(runwayDescription(), "Best 00:01:66  $A 00:01:66  Par 00:00:81  $s Silver");

    // A demo that sets off at once clears faster, but playing it counts nothing.
    writeRightwardDemo("DEMOS/QUICK.TDM", "RUNWAY.MAP", 400);
    clearsThisRun = 0;
    {
        ScreenDriver driver([&](int frame) {
            tap(Key::Return, frame, 5);
            tap(Key::Escape, frame, 600);
        });
        demoBrowserScreen();
    }
    EXPECT_EQ(clearsThisRun, 1);
    EXPECT_EQ(runwayRecords(), kept);

    // G makes it the runway's ghost: its path up to its clear.
    std::string messages;
    {
        ScreenDriver driver([&](int frame) {
            tap(Key::G, frame, 5);
            tap(Key::Escape, frame, 30);
        });
        testing::internal::CaptureStderr();
        demoBrowserScreen();
        messages = testing::internal::GetCapturedStderr();
    }
    EXPECT_NE(messages.find("Ghost: Now the ghost of Runway"), std::string::npos) << messages;
    GhostFile ghost;
    ASSERT_TRUE(loadGhost("RUNWAY.MAP", mapFileHash("RUNWAY.MAP"), ghost));
    EXPECT_LT(ghost.clearTick, best[1]);
    EXPECT_EQ(ghost.samples.size(), (size_t)ghost.clearTick + 1);
    EXPECT_EQ(runwayRecords(), kept);
}

TEST_F(FrontEndTest, AChangedMapShowsItsRecordsAsAnOldVersionUntilTheNextClear) {
    writeRunwayStage();
    ASSERT_TRUE(loadStageSet("DEFAULT.STG"));
    trainOnTheRunway({10});
    int32_t first = runwayRecords().best.tick;
    ASSERT_GT(first, 0);
    writeRunwayStage("Runway, second edition");
    EXPECT_EQ(runwayDescription(),
              "Best " + clearTickText(first) + " (old version)  $A " + clearTickText(first));
    trainOnTheRunway({60});
    int32_t second = runwayRecords().best.tick;
    EXPECT_EQ(second, first + 50);
    EXPECT_EQ(runwayDescription(),
              "Best " + clearTickText(second) + "  $A " + clearTickText(second));

    // The Records screen: the switch first, then the stage with its times.
    ListMenu list;
    buildRecordsList(list);
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.entry(0).text, "Ghost: On");
    // The titles were read with the set, before the map changed.
    EXPECT_EQ(list.entry(1).text,
              "Runway\t" + clearTickText(second) + "\t" + clearTickText(second) + "\t");
    {
        ScreenDriver driver([&](int frame) {
            tap(Key::Return, frame, 5);
            tap(Key::Escape, frame, 20);
        });
        recordsScreen();
    }
    EXPECT_FALSE(options.ghost);
    EXPECT_NE(readFileText("options.cfg").find("ghost = off"), std::string::npos);
}
