// The statistics screen over a prepared stats.dat: every counter, the shares,
// each on its row, and any button leaving.
#include "screens/extras_fixture.h"
#include "screens/statistics_screen.h"

#include <string>
#include <vector>

namespace {
class StatisticsScreenTest : public ExtrasTest {
protected:
    // started, cleared, lives lost, minutes, seconds, demos, hurt, time, other, extra
    void prepare(std::vector<int32_t> counters) {
        Bytes file;
        for (int32_t c : counters)
            file.i32(c);
        writeFileBytes("stats.dat", file.data());
        loadStatistics();
    }

    std::vector<std::string> composed() {
        StatisticsLine lines[statisticsLineCount];
        composeStatisticsLines(lines);
        std::vector<std::string> texts;
        for (const StatisticsLine& line : lines)
            texts.push_back(std::to_string(line.y) + " " + line.text);
        return texts;
    }
};
} // namespace

TEST_F(StatisticsScreenTest, EveryCounterWithTheDeathAndStageShares) {
    prepare({42, 3, 187, 1234, 17, 9, 61, 19, 107, 1});
    stageSet.stageCount = 9;
    for (int s = 0; s < 12; ++s) { // flags beyond the set's stages do not count
        unlockData.clearedWithAllGold[s] = s % 3 == 0;
        unlockData.clearedWithCup[s] = s % 2 == 0;
    }
    std::vector<std::string> expected = {
        "16 Game started: 42 times",
        "28 Game cleared: 3 times",
        "52 Total $D : 33%",
        "64 Total $A : 55%",
        "88 Total $C wasted: 187",
        "100 $C killed by $F : 61 (32%)",
        "112 $C killed by $J : 19 (10%)",
        "124 $C killed by other: 107 (57%)",
        "148 Demos saved: 9",
        "160 Total gametime: 1234 minutes",
    };
    EXPECT_EQ(composed(), expected);
}

TEST_F(StatisticsScreenTest, AFirstRunAndASetWithoutStagesShowZeroShares) {
    prepare({1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    std::vector<std::string> texts = composed();
    EXPECT_EQ(texts[0], "16 Game started: 1 times");
    EXPECT_EQ(texts[2], "52 Total $D : 0%");
    EXPECT_EQ(texts[3], "64 Total $A : 0%");
    EXPECT_EQ(texts[5], "100 $C killed by $F : 0 (0%)");
    EXPECT_EQ(texts[7], "124 $C killed by other: 0 (0%)");
    // At the caps: the largest counts still fit and the shares stay whole.
    prepare({99999, 123456, 99999, 99999, 59, 99999, 33333, 33333, 33333, 1});
    stageSet.stageCount = 3;
    for (int s = 0; s < 3; ++s)
        unlockData.clearedWithCup[s] = 1;
    texts = composed();
    EXPECT_EQ(texts[1], "28 Game cleared: 123456 times");
    EXPECT_EQ(texts[3], "64 Total $A : 100%");
    EXPECT_EQ(texts[6], "112 $C killed by $J : 33333 (33%)");
    EXPECT_EQ(texts[9], "160 Total gametime: 99999 minutes");
}

TEST_F(StatisticsScreenTest, DrawsItsLinesAndLeavesOnAnyButtonAfterARelease) {
    prepare({42, 3, 187, 1234, 17, 9, 61, 19, 107, 1});
    simulateKey(Key::Return, true); // the press that chose the screen
    bool drawn = false;
    FrameDriver driver([&](int frame) {
        if (frame == 2) drawn = textOnRow(16) && textOnRow(160);
        if (frame == 10) simulateKey(Key::Return, false);
        if (frame == 12) simulateKey(Key::Down, true); // arrows do not leave
        if (frame == 20) simulateJoystick(4);
        if (frame == 20) simulateJoystickButton(3, true); // any joystick button does
        if (frame > 100) requestQuit();
    });
    statisticsScreen();
    EXPECT_EQ(driver.frames(), 21); // left in the step after frame 20, before drawing
    EXPECT_TRUE(drawn);
}
