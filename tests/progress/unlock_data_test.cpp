#include "progress_fixture.h"

#include <cstring>

using UnlockDataTest = ProgressTest;

TEST_F(UnlockDataTest, GameClearsOpenStagesAndGroupsOnceAndSave) {
    ASSERT_TRUE(loadNumberedSet("SMALL.STG", {2, 1, 1}));
    EXPECT_EQ(recordStageClear(0, true, true), -1);   // stage 1 starts no group
    EXPECT_EQ(recordStageClear(1, false, false), 1);  // stage 2 starts group 1
    EXPECT_EQ(recordStageClear(1, false, false), -1); // already open: no second banner
    recordStageClear(0, false, false);                // flags are never cleared
    // Per stage: open, cup, all gold; then the groups.
    EXPECT_EQ(readFileBytes("DATA/UNLOCK/SMALL.STG"),
              ints({1, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 0}));
    UnlockData saved = unlockData;
    unlockData = UnlockData();
    loadUnlockData("SMALL.STG");
    EXPECT_EQ(std::memcmp(&saved, &unlockData, sizeof saved), 0);

    unlockData.clearedWithAllGold[4] = 1; // beyond the set: not counted
    EXPECT_EQ(stageSharePercent(unlockData.clearedWithAllGold), 25);
    EXPECT_EQ(stageSharePercent(unlockData.clearedWithCup), 25);

    ASSERT_TRUE(unlockAll());
    EXPECT_EQ(std::vector<int>(unlockData.groupUnlocked, unlockData.groupUnlocked + 4),
              (std::vector<int>{1, 1, 1, 0}));
    EXPECT_EQ(std::vector<int>(unlockData.stageUnlocked, unlockData.stageUnlocked + 5),
              (std::vector<int>{1, 1, 1, 1, 0}));
}

TEST_F(UnlockDataTest, ClearingTheLastStageOfAFullSetIsSafe) {
    ASSERT_TRUE(loadNumberedSet("FULL.STG", {50, 49}));
    EXPECT_EQ(recordStageClear(98, true, true), -1);
    EXPECT_EQ(unlockData.stageUnlocked[99], 1);
    EXPECT_EQ(readFileBytes("DATA/UNLOCK/FULL.STG").size(), (99u * 3 + 2) * 4);
}

TEST_F(UnlockDataTest, ShortFilesReadAsZeroOtherIntegersStayAndNoOtherSetsFlagsRemain) {
    ASSERT_TRUE(loadNumberedSet("BIG.STG", {2, 2, 1, 1}));
    ASSERT_TRUE(unlockAll());
    // Stage 0 open, a 2 kept as read, then a flag cut after two bytes.
    writeFileBytes("DATA/UNLOCK/SMALL.STG", Bytes().i32(1).i32(2).i32(1).byte(1).byte(0).data());
    ASSERT_TRUE(loadNumberedSet("SMALL.STG", {2, 1, 1}));
    UnlockData expected;
    expected.stageUnlocked[0] = expected.clearedWithAllGold[0] = 1;
    expected.clearedWithCup[0] = 2;
    EXPECT_EQ(std::memcmp(&unlockData, &expected, sizeof expected), 0);
    EXPECT_EQ(stageSharePercent(unlockData.clearedWithCup), 0); // the share counts 1s
}

TEST_F(UnlockDataTest, WithoutALoadedSetNothingIsSaved) {
    messagesOf([] {
        EXPECT_FALSE(loadStageSet("DEFAULT.STG"));
        EXPECT_EQ(recordStageClear(0, true, true), -1);
        EXPECT_FALSE(unlockAll());
    });
    EXPECT_FALSE(fileExists("DATA"));
    unlockData.clearedWithCup[0] = 1;
    EXPECT_EQ(stageSharePercent(unlockData.clearedWithCup), 0); // a set without stages
}
