// The stages the game ships with keep the promises the stage design makes:
// one cup, a goal, at least one screen, and nothing the loaders would refuse.
#include "tools/level_content_run.h"

#include <gtest/gtest.h>

namespace {
std::string gameFile(const std::string& name) {
    const char* dir = std::getenv("TUMBLO_GAME_DIR");
    return std::string(dir ? dir : "build/game") + "/DATA/" + name;
}

std::vector<std::string> stagesOf(const std::string& setFile) {
    std::vector<std::string> stages;
    DataReader in(gameFile(setFile).c_str());
    int count = readInt32(in);
    readText(in), readText(in);
    int groups = readInt32(in);
    for (int g = 0; g < groups; ++g) {
        EXPECT_LE(readText(in).size(), 39u);
        int n = readInt32(in);
        for (int i = 0; i < n; ++i)
            stages.push_back(readText(in));
    }
    EXPECT_FALSE(in.failed()) << setFile;
    EXPECT_EQ((int)stages.size(), count) << setFile;
    return stages;
}

int tileCount(const std::string& tileset) {
    DataReader in(gameFile(tileset).c_str());
    return in.isOpen() ? readInt32(in) : -1;
}

void checkStage(const std::string& mapFile) {
    SCOPED_TRACE(mapFile);
    DataReader in(gameFile(mapFile).c_str());
    ASSERT_TRUE(in.isOpen());
    char magic[4];
    in.readBytes(magic, 4);
    readText(in), readText(in);
    int tiles = tileCount(readText(in));
    readText(in);
    int width = readInt32(in), height = readInt32(in);
    int startX = readInt32(in), startY = readInt32(in);
    readInt32(in);
    EXPECT_GE(width, 20);
    EXPECT_GE(height, 15);
    EXPECT_TRUE(startX >= 0 && startX < width * 16 && startY >= 0 && startY < height * 16);
    int blocks = readInt32(in), treasures = readInt32(in);
    int cups = 0, goals = 0, withTreasure = 0;
    for (int i = 0; i < blocks; ++i) {
        int v[9];
        for (int& x : v)
            x = readInt32(in);
        EXPECT_TRUE(v[6] >= 0 && v[6] < tiles) << "block " << i << " tile " << v[6];
        goals += v[2] == 4;
        cups += v[8] >= 2;
        withTreasure += v[8] > 0;
        if (v[2] == 1) {
            EXPECT_GT(v[3], 0) << "a bounce block without rise";
        }
    }
    EXPECT_EQ(cups, 1);
    EXPECT_GE(goals, 1);
    EXPECT_EQ(treasures, withTreasure);
    int enemies = readInt32(in);
    for (int i = 0; i < enemies; ++i) {
        int v[11];
        for (int& x : v)
            x = readInt32(in);
        EXPECT_TRUE(v[7] >= 0 && v[7] <= 2);
    }
    EXPECT_FALSE(in.failed());
}
} // namespace

TEST(ShippedStagesTest, EveryStageOfBothSetsHasOneCupAndAGoal) {
    std::vector<std::string> main = stagesOf("DEFAULT.STG");
    std::vector<std::string> extra = stagesOf("tumblodata.dat");
    EXPECT_GE(main.size(), 3u);
    EXPECT_GE(extra.size(), 1u);
    for (const std::string& stage : main)
        checkStage(stage);
    for (const std::string& stage : extra)
        checkStage(stage);
}
