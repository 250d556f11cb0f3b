// The stage select, the stage-set select and the demo browser, built from
// files in a temporary game folder and driven key by key.
#include "front_end_fixture.h"
#include "game/demo.h"
#include "progress/progress_fixture.h"
#include "screens/demo_browser.h"
#include "screens/stage_select.h"
#include "screens/stage_set_select.h"
#include "ui/list_menu.h"

#include <algorithm>
#include <map>

namespace {
std::vector<std::string> entryTexts(const ListMenu& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count; ++i)
        texts.push_back(list.entry(i).text);
    return texts;
}

void writeDemo(const std::string& name, const std::string& title, const std::string& clearTime,
               int cups, int died) {
    DataWriter out;
    writeDemoFile(out, {demoFormatMark, "S0", died, title, clearTime, cups}, nullptr, 0);
    writeFileBytes("DEMOS/" + name, out.bytes());
}

// Each entry's description: as given by name, or for `broken` the one of the
// entry before it (`previous` when it comes first).
void expectDescriptions(const ListMenu& list, std::string previous, const std::string& broken,
                        const std::map<std::string, std::string>& expected) {
    for (int i = 0; i < list.count; ++i) {
        const MenuEntry& e = list.entry(i);
        EXPECT_EQ(e.description, e.text == broken ? previous : expected.at(e.text)) << e.text;
        previous = e.description;
    }
}

std::vector<std::string> listedDemos() {
    ListMenu list;
    DemoInfo info;
    buildDemoList(list, info);
    return entryTexts(list);
}
} // namespace

TEST_F(FrontEndTest, StageListOffersTheFirstStagesAsManyAsAreUnlockedWithTheirMarks) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {20}));
    unlockData.stageUnlocked[1] = unlockData.stageUnlocked[2] = 1;
    unlockData.stageUnlocked[7] = 1; // counts, but stage 3 is what is offered
    unlockData.clearedWithAllGold[0] = unlockData.clearedWithCup[0] = 1;
    unlockData.clearedWithCup[1] = 1;
    unlockData.clearedWithAllGold[2] = 1;
    ListMenu list;
    buildStageList(list);
    EXPECT_EQ(entryTexts(list), (std::vector<std::string>{"S0 $D $A", "S1 $A", "S2 $D ", "S3 "}));
    for (int s = 0; s < 20; ++s)
        unlockData.stageUnlocked[s] = 1;
    buildStageList(list);
    EXPECT_EQ(list.count, 20);
    for (int s = 0; s < 20; ++s)
        unlockData.stageUnlocked[s] = 0;
    buildStageList(list);
    EXPECT_EQ(list.count, 0);
}

TEST_F(FrontEndTest, StageSelectShowsTheListAgainWhenAMapCannotLoadAndBacksOutOfAnEmptyList) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {2})); // the maps are missing
    std::string messages = messagesOf([] {
        ScreenDriver driver([](int frame) {
            tap(Key::Return, frame, 5);
            tap(Key::Escape, frame, 20);
        });
        stageSelectScreen();
        EXPECT_EQ(driver.frames(), 21);
    });
    EXPECT_NE(messages.find("Unable to load MAP FILE: S0"), std::string::npos) << messages;

    unlockData.stageUnlocked[0] = 0; // nothing to choose: ESC is the way on
    ScreenDriver driver([](int frame) {
        tap(Key::Down, frame, 2);
        tap(Key::Return, frame, 10);
        tap(Key::Escape, frame, 20);
    });
    stageSelectScreen();
    EXPECT_EQ(driver.frames(), 21);
}

TEST_F(FrontEndTest, StageSetListDescribesEveryFileAndABrokenOneByThePreviousHeader) {
    writeFileBytes("DATA/A.STG", stageSetBytes("Alpha", {{"G", {"a", "b", "c"}}}));
    writeFileBytes("DATA/extra.stg", stageSetBytes("Bonus", {{"G", {"x"}}}));
    writeFileBytes("DATA/BROKEN.STG", {3, 0, 0, 0, 9});
    writeFileBytes("DATA/NOTASET.TXT", {1});
    ListMenu list;
    int n = 0;
    std::string messages = messagesOf([&] { n = buildStageSetList(list); });
    ASSERT_EQ(n, 3);
    EXPECT_NE(messages.find("Stage set BROKEN.STG not found!"), std::string::npos);
    std::vector<std::string> names = entryTexts(list);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A.STG", "BROKEN.STG", "extra.stg"}));
    // A broken file is described by the entry before it (an empty record first).
    expectDescriptions(
        list, "\nAuthor: \n0 levels", "BROKEN.STG",
        {{"A.STG", "Alpha\nAuthor: Ann\n3 levels"}, {"extra.stg", "Bonus\nAuthor: Ann\n1 levels"}});
}

TEST_F(FrontEndTest, StageSetSelectLoadsTheChosenSetWithItsProgress) {
    ASSERT_TRUE(loadNumberedSet("DEFAULT.STG", {1, 1}));
    writeFileBytes("DATA/OTHER.STG", stageSetBytes("Other", {{"One", {"p", "q"}}}));
    writeFileBytes("DATA/UNLOCK/OTHER.STG", ints({1, 1, 0, 1, 0, 1, 1}));
    listenTo({"LIFE"});
    ListMenu list;
    buildStageSetList(list);
    std::vector<std::string> names = entryTexts(list);
    int other = (int)(std::find(names.begin(), names.end(), "OTHER.STG") - names.begin());
    ScreenDriver driver([=](int frame) {
        for (int i = 0; i < other; ++i)
            tap(Key::Down, frame, 2 + 4 * i, 2);
        tap(Key::Return, frame, 20);
    });
    messagesOf([] { stageSetSelectScreen(); }); // its maps are missing
    EXPECT_STREQ(stageSet.title, "Other");
    EXPECT_EQ(unlockData.clearedWithCup[0], 1);
    EXPECT_EQ(unlockData.stageUnlocked[1], 1);
    EXPECT_EQ(voices(), 1); // the life sound
    std::vector<std::string> log = logLines();
    ASSERT_FALSE(log.empty());
    auto at = std::find(log.begin(), log.end(), "--- Select StageSet ---");
    ASSERT_NE(at, log.end());
    EXPECT_EQ(*(at + 1), " Loading StageSet: OTHER.STG");
    EXPECT_EQ(gameLog.indent(), 0);

    // Backing out changes nothing.
    ScreenDriver back([](int frame) { tap(Key::Escape, frame, 25); });
    stageSetSelectScreen();
    EXPECT_STREQ(stageSet.title, "Other");
    EXPECT_EQ(voices(), 1);
}

TEST_F(FrontEndTest, WithoutStageSetsTheSelectSaysSoUntilAPress) {
    ScreenDriver driver([](int frame) { tap(Key::Escape, frame, 30); });
    stageSetSelectScreen();
    EXPECT_EQ(driver.frames(), 31);
    EXPECT_EQ(gameLog.indent(), 0);
}

TEST_F(FrontEndTest, DemoListDescribesTimeDeathCupAndADamagedFileByThePreviousOne) {
    writeDemo("CLEAN.TDM", "Sunny", "00:42:37 (100%)", 1, 0);
    writeDemo("DEAD.TDM", "Rocky", "", 1, 1);
    writeDemo("TWOCUPS.TDM", "Cliff", "01:02:03", 2, 0);
    writeFileBytes("DEMOS/BAD.TDM", {1, 0, 0, 0, 200});
    writeFileBytes("DEMOS/readme.txt", {1});
    ListMenu list;
    DemoInfo info;
    buildDemoList(list, info);
    ASSERT_EQ(list.count, 4);
    // The cup mark means exactly one cup.
    expectDescriptions(list, "Map: \nClear time: ", "BAD.TDM",
                       {{"CLEAN.TDM", "Map: Sunny\nClear time: 00:42:37 (100%)\n$A"},
                        {"DEAD.TDM", "Map: Rocky\nClear time: -\n$A"},
                        {"TWOCUPS.TDM", "Map: Cliff\nClear time: 01:02:03"}});
}

TEST_F(FrontEndTest, DeletingADemoHighlightsTheOneThatTookItsPlaceAndHoldingDeletesOne) {
    for (const char* name : {"A.TDM", "B.TDM", "C.TDM", "D.TDM", "E.TDM"})
        writeDemo(name, name, "00:01:00", 0, 0);
    std::vector<std::string> before = listedDemos();
    listenTo({"DIE"});
    ScreenDriver driver([](int frame) {
        tap(Key::Down, frame, 2, 2);
        tap(Key::Down, frame, 6, 2);
        tap(Key::Delete, frame, 12, 40); // held: one file only
        tap(Key::Delete, frame, 70, 2);  // the entry now in the third row
        tap(Key::Escape, frame, 90);
    });
    demoBrowserScreen();
    EXPECT_EQ(voices(), 1); // the death sound, which never plays twice at once
    std::vector<std::string> expected = {before[0], before[1], before[4]};
    std::vector<std::string> after = listedDemos();
    std::sort(expected.begin(), expected.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, expected);
    EXPECT_EQ(logLines().front(), "--- Demo playback ---");
    EXPECT_EQ(gameLog.indent(), 0);
}

TEST_F(FrontEndTest, ADemoThatCannotBePlayedIsLoggedAndTheListComesBack) {
    writeFileBytes("DEMOS/BAD.TDM", {1, 0, 0, 0, 200});
    writeDemo("NOMAP.TDM", "Gone", "00:01:00", 0, 0); // its map "S0" is missing
    std::string messages = messagesOf([] {
        ScreenDriver driver([](int frame) {
            tap(Key::Return, frame, 5);
            tap(Key::Down, frame, 15, 2);
            tap(Key::Return, frame, 25);
            tap(Key::Escape, frame, 40);
        });
        demoBrowserScreen();
    });
    EXPECT_NE(messages.find("Unable to open DEMOS\\BAD.TDM"), std::string::npos) << messages;
    EXPECT_NE(messages.find("Unable to load MAP FILE: S0"), std::string::npos) << messages;
    std::vector<std::string> log = logLines();
    auto has = [&](const std::string& line) {
        return std::find(log.begin(), log.end(), line) != log.end();
    };
    EXPECT_TRUE(has(" Loading DEMO: BAD.TDM"));
    EXPECT_TRUE(has(" Unable to load DEMO!"));
    EXPECT_TRUE(has(" Loading DEMO: NOMAP.TDM"));
    EXPECT_TRUE(has(" Finished loading!"));
}

TEST_F(FrontEndTest, ALongListWithoutArrowPlacesShowsThemAtItsOwnTopAndBottom) {
    useBoxFont();
    ListMenu list;
    list.setCount(20);
    for (int i = 0; i < 20; ++i)
        list.setEntry(i, "x", "", true);
    list.visibleRows = 5;
    clearPicture(backBuffer, colourOf(0, 0, 0));
    const Colour white = colourOf(255, 255, 255);
    bool upShown = false, downShown = false, cornerDrawn = false;
    ScreenDriver driver([&](int frame) {
        simulateKey(Key::Down, frame < 120); // far enough that both arrows show
        if (frame == 130) {
            upShown = pixelAt(backBuffer, 45, 30) == white;
            downShown = pixelAt(backBuffer, 45, 100) == white;
            cornerDrawn = pixelAt(backBuffer, 0, 0) == white;
        }
        tap(Key::Escape, frame, 131);
    });
    list.run(40, 40);
    EXPECT_TRUE(upShown);
    EXPECT_TRUE(downShown);
    EXPECT_FALSE(cornerDrawn);
}
