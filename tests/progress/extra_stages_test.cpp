#include "progress_fixture.h"

#include "platform/paths.h"
#include "progress/extra_stages.h"
#include "text/text_utils.h"

#include <algorithm>
#include <filesystem>

namespace {
void useSet(const char* fileName, int stageCount) {
    copyText(stageSet.fileName, fileName, textCapacity);
    stageSet.stageCount = stageCount;
}
} // namespace

using ExtraStagesTest = ProgressTest;

TEST_F(ExtraStagesTest, EarnedOnlyByTheFirstClearOfTheDefaultSetWithEveryCup) {
    useSet("OTHER.STG", 3);
    EXPECT_FALSE(recordSetCleared(3));
    useSet("default.stg", 3);
    EXPECT_FALSE(extraStagesEarned(3)); // the other set's clear counts as a clear
    statistics.gamesCleared = 0;
    EXPECT_FALSE(recordSetCleared(2)); // a cup was missed
    EXPECT_EQ(statistics.extraStagesUnlocked, 0);
    statistics.gamesCleared = 0;
    EXPECT_TRUE(recordSetCleared(3));
    EXPECT_EQ(statistics.extraStagesUnlocked, 1);
    EXPECT_EQ(statistics.gamesCleared, 1);
    EXPECT_FALSE(recordSetCleared(3));
    EXPECT_EQ(statistics.gamesCleared, 2);
}

TEST_F(ExtraStagesTest, CopiesTheExtraSetBesideTheOthersOnlyFromItsSource) {
    writeFileBytes("DATA/extra.stg", {1, 2, 3});
    // No source: the old copy stays.
    EXPECT_EQ(messagesOf([] { EXPECT_FALSE(copyExtraStages()); }),
              "Error: Unable to copy the extra stages\n");
    EXPECT_EQ(readFileBytes("DATA/extra.stg"), (std::vector<uint8_t>{1, 2, 3}));

    std::vector<uint8_t> extra = stageSetBytes("Extra", {{"Bonus", {"X1.MAP"}}});
    extra.push_back(0); // byte for byte, whatever it holds
    writeFileBytes("DATA/tumblodata.dat", extra);
    writeFileBytes("DATA/DEFAULT.STG", stageSetBytes("Main", {}));
    ASSERT_TRUE(copyExtraStages());
    EXPECT_EQ(readFileBytes("DATA/extra.stg"), extra);
    EXPECT_FALSE(fileExists("data"));
    std::vector<std::string> sets = listMatchingFiles("DATA\\*.STG");
    std::sort(sets.begin(), sets.end());
    EXPECT_EQ(sets, (std::vector<std::string>{"DEFAULT.STG", "extra.stg"}));
}
