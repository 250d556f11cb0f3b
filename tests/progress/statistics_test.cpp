#include "progress_fixture.h"

#include <cstring>

using StatisticsTest = ProgressTest;

TEST_F(StatisticsTest, ReadsCountersInOrderShortOrDamagedOnesAsZeroOrInRange) {
    std::vector<uint8_t> full = ints({7, 120000, 9, 3, 59, 4, 2, 3, 4, 1});
    writeFileBytes("STATS.DAT", full);
    loadStatistics();
    ASSERT_TRUE(saveStatistics());
    EXPECT_EQ(readFileBytes("STATS.DAT"), full); // clears have no cap

    writeFileBytes("STATS.DAT", Bytes().i32(5).i32(-3).i32(200000).i32(1).i32(75).byte(9).data());
    loadStatistics();
    std::vector<int32_t> read(&statistics.gamesStarted, &statistics.extraStagesUnlocked + 1);
    EXPECT_EQ(read, (std::vector<int32_t>{5, 0, statisticsCap, 1, 59, 0, 0, 0, 0, 0}));
}

TEST_F(StatisticsTest, CountersStopAtTheCapExceptClears) {
    statistics.gamesStarted = statistics.demosSaved = statistics.gamesCleared = statisticsCap;
    statistics.countGameStarted();
    statistics.countDemoSaved();
    statistics.countGameCleared();
    EXPECT_EQ(statistics.gamesStarted, statisticsCap);
    EXPECT_EQ(statistics.demosSaved, statisticsCap);
    EXPECT_EQ(statistics.gamesCleared, statisticsCap + 1);

    statistics.livesLost = statisticsCap - 1;
    statistics.countLifeLost(DeathCause::Time);
    statistics.countLifeLost(DeathCause::Hurt); // the death counters share livesLost's cap
    EXPECT_EQ(statistics.livesLost, statisticsCap);
    int32_t deaths[3];
    statistics.deathCounts(deaths);
    EXPECT_EQ(std::vector<int>(deaths, deaths + 3), (std::vector<int>{0, 1, 0}));

    for (int i = 0; i < 61; ++i)
        statistics.countPlaySecond();
    EXPECT_EQ(statistics.gameMinutes, 1);
    EXPECT_EQ(statistics.gameSeconds, 1);
    statistics.gameMinutes = statisticsCap;
    statistics.countPlaySecond();
    EXPECT_EQ(statistics.gameSeconds, 1);
}
