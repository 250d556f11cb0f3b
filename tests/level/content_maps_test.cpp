// The shipped maps and stage sets, loaded with the game's own loaders from the
// built game folder: every map loads, and every stage of both sets keeps the
// promises the stage design makes: one cup, a goal, at least one screen; the
// default set's groups are its four themes.
#include "level/graphics.h"
#include "level_files.h"
#include "platform/paths.h"
#include "progress/stage_set.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {
void checkStage(const char* mapFile) {
    SCOPED_TRACE(mapFile);
    ASSERT_TRUE(loadMap(mapFile));
    EXPECT_GE(currentMap.width, 20);
    EXPECT_GE(currentMap.height, 15);
    EXPECT_TRUE(currentMap.startX >= 0 && currentMap.startX < currentMap.width * 16 &&
                currentMap.startY >= 0 && currentMap.startY < currentMap.height * 16);
    int cups = 0, goals = 0;
    for (int i = 0; i < currentMap.bonusCount; ++i)
        cups += currentMap.bonuses[i].kind != 0;
    for (int i = 0; i < currentMap.blockCount; ++i) {
        goals += currentMap.blocks[i].type == 4;
        if (currentMap.blocks[i].type == 1) {
            EXPECT_GT(currentMap.blocks[i].param1, 0) << "a bounce block without rise";
        }
    }
    EXPECT_EQ(cups, 1);
    EXPECT_GE(goals, 1);
}
} // namespace

TEST(ContentMaps, EveryShippedMapLoadsAndEveryStageHasOneCupAndAGoal) {
    const char* gameDir = std::getenv("TUMBLO_GAME_DIR");
    if (!gameDir) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    ensureHeadless();
    InDir here(gameDir);
    ASSERT_TRUE(here.ok) << gameDir;
    resetLevelState();
    loadGraphics();
    for (const std::string& name : listMatchingFiles("DATA\\*.MAP")) {
        EXPECT_TRUE(loadMap(name.c_str())) << name;
        EXPECT_GT(currentMap.tileCount, 0) << name;
    }
    for (const auto& [set, fewest] : {std::pair{"DEFAULT.STG", 24}, {"tumblodata.dat", 8}}) {
        ASSERT_TRUE(loadStageSet(set)) << set;
        EXPECT_GE(stageSet.stageCount, fewest) << set;
        for (int i = 0; i < stageSet.stageCount; ++i)
            checkStage(stageSet.stageFiles[i]);
    }
    // The default set: four groups of at least six stages, each group playing
    // its own tune.
    ASSERT_TRUE(loadStageSet("DEFAULT.STG"));
    ASSERT_EQ(stageSet.groupCount, 4);
    const char* tunes[] = {"TROPICAL.IT", "DESERT.IT", "CAVE.IT", "ICE.IT"};
    for (int g = 0; g < 4; ++g) {
        int end =
            g + 1 < stageSet.groupCount ? stageSet.groups[g + 1].firstStage : stageSet.stageCount;
        EXPECT_GE(end - stageSet.groups[g].firstStage, 6) << stageSet.groups[g].name;
        for (int i = stageSet.groups[g].firstStage; i < end; ++i) {
            ASSERT_TRUE(loadMap(stageSet.stageFiles[i]));
            EXPECT_STREQ(currentMap.musicFile, tunes[g]) << stageSet.stageFiles[i];
        }
    }
    stageSet = StageSet();
    resetLevelState();
}
