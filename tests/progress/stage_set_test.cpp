#include "progress_fixture.h"

#include <cstdio>
#include <cstring>
#include <memory>

using StageSetTest = ProgressTest;

TEST_F(StageSetTest, LoadsGroupsStagesTitlesAndDefaultUnlockData) {
    std::string longGroup(39, 'g'), longFile(79, 'f');
    writeFileBytes(
        "DATA/TROPIC.STG",
        stageSetBytes("Tropical", {{"Beach", {"BEACH1.MAP", longFile}}, {longGroup, {"J.MAP"}}}));
    writeFileBytes("DATA/BEACH1.MAP", Bytes().raw("TUM1").str("First Steps").data());
    std::string messages = messagesOf([] { ASSERT_TRUE(loadStageSet("tropic.stg")); });
    EXPECT_NE(messages.find("Unable to load MAP FILE: J.MAP"), std::string::npos);

    EXPECT_STREQ(stageSet.fileName, "tropic.stg");
    EXPECT_STREQ(stageSet.title, "Tropical");
    ASSERT_EQ(stageSet.stageCount, 3);
    ASSERT_EQ(stageSet.groupCount, 2);
    EXPECT_EQ(stageSet.groups[1].name, longGroup);
    EXPECT_EQ(stageSet.groups[1].firstStage, 2);
    EXPECT_EQ(stageSet.stageFiles[1], longFile);
    EXPECT_STREQ(stageSet.stageTitles[0], "First Steps");
    EXPECT_EQ(stageSet.stageTitles[1], longFile); // a missing map is titled by its file
    EXPECT_STREQ(stageSet.stageTitles[2], "J.MAP");

    // No unlock file yet: stage 0 and group 0 open, nothing else, nothing written.
    UnlockData expected;
    expected.stageUnlocked[0] = expected.groupUnlocked[0] = 1;
    EXPECT_EQ(std::memcmp(&unlockData, &expected, sizeof expected), 0);
    EXPECT_FALSE(fileExists("DATA/UNLOCK"));
    std::vector<std::string> log = logLines();
    EXPECT_EQ(log.front(), "Loading StageSet: tropic.stg");
    EXPECT_EQ(log.back(), " Loading unlockFile for tropic.stg");
}

TEST_F(StageSetTest, RefusesMissingAndMalformedSetsAndKeepsTheSetInUse) {
    ASSERT_TRUE(loadNumberedSet("GOOD.STG", {2, 1}));
    unlockData.clearedWithCup[1] = 1;
    auto before = std::make_unique<StageSet>(stageSet);
    UnlockData unlockBefore = unlockData;

    std::vector<uint8_t> cut = stageSetBytes("t", {{"g", {"A.MAP"}}});
    cut.resize(cut.size() - 2);
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> bad = {
        {"MISSING.STG", {}},
        {"CUT.STG", cut},
        {"MANY.STG", stageSetBytes("t", {}, 100)},
        {"NEGATIVE.STG", stageSetBytes("t", {}, -1)},
        {"GROUPS.STG", Bytes().i32(0).str("t").str("a").i32(26).data()},
        {"NEGGROUP.STG", Bytes().i32(1).str("t").str("a").i32(1).str("g").i32(-1).data()},
        {"SUMLOW.STG", stageSetBytes("t", {{"g", {"A.MAP"}}}, 2)},
        {"SUMHIGH.STG", stageSetBytes("t", {{"g", {"A.MAP", "B.MAP"}}}, 1)},
        {"LONGNAME.STG", stageSetBytes("t", {{std::string(40, 'g'), {"A.MAP"}}})},
        {"LONGFILE.STG", stageSetBytes("t", {{"g", {std::string(80, 'f')}}})},
    };
    for (const auto& [name, bytes] : bad) {
        SCOPED_TRACE(name);
        if (!bytes.empty()) writeFileBytes("DATA/" + name, bytes);
        std::remove("tumblo.log");
        EXPECT_EQ(messagesOf([&] { EXPECT_FALSE(loadStageSet(name.c_str())); }),
                  "ERROR: Stage set " + name + " not found!\n");
        EXPECT_EQ(logLines(), (std::vector<std::string>{"Loading StageSet: " + name,
                                                        " Error loading stage set!"}));
        EXPECT_EQ(std::memcmp(&stageSet, before.get(), sizeof stageSet), 0);
        EXPECT_EQ(std::memcmp(&unlockData, &unlockBefore, sizeof unlockData), 0);
    }
    // Progress made after a refused load still goes to the set that is loaded.
    ASSERT_TRUE(unlockAll());
    EXPECT_FALSE(fileExists("DATA/UNLOCK/LONGFILE.STG"));
    EXPECT_TRUE(fileExists("DATA/UNLOCK/GOOD.STG"));
}
