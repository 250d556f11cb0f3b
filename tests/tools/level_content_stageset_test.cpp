#include "tools/level_content_run.h"

#include <gtest/gtest.h>

namespace {
class StageSetSourceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The set compiler only checks that a map source exists for each stage.
        for (const char* name : {"one", "two", "three"})
            content.write(std::string("maps/") + name + ".txt", "");
    }
    bool said(const std::string& message) {
        return content.output.find(message) != std::string::npos;
    }
    TempGameDir game;
    ContentRun content;
};
} // namespace

TEST_F(StageSetSourceTest, GroupsAndStagesComeOutInPlayOrder) {
    content.write("stagesets/main.txt", "title  My Set\n"
                                        "author Someone Else\n"
                                        "group  First Group\n"
                                        "stage  ONE.MAP\n"
                                        "stage  two.map\n"
                                        "group  Second\n"
                                        "stage  THREE.MAP\n");
    content.write("stagesets/bonus.txt", "file more.dat\ntitle More\ngroup G\nstage ONE.MAP\n");
    ASSERT_EQ(content.compile("stagesets"), 0) << content.output;
    DataReader in("DATA\\MAIN.STG");
    ASSERT_TRUE(in.isOpen());
    EXPECT_EQ(readInt32(in), 3);
    EXPECT_EQ(readText(in), "My Set");
    EXPECT_EQ(readText(in), "Someone Else");
    EXPECT_EQ(readInt32(in), 2);
    EXPECT_EQ(readText(in), "First Group");
    EXPECT_EQ(readInt32(in), 2);
    EXPECT_EQ(readText(in), "ONE.MAP");
    EXPECT_EQ(readText(in), "two.map");
    EXPECT_EQ(readText(in), "Second");
    EXPECT_EQ(readInt32(in), 1);
    EXPECT_EQ(readText(in), "THREE.MAP");
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(in.size(), 4 + 10 + 16 + 4 + 15 + 4 + 11 + 11 + 10 + 4 + 13);

    DataReader more("DATA\\more.dat"); // named by its "file" line
    ASSERT_TRUE(more.isOpen());
    EXPECT_EQ(readInt32(more), 1);
    EXPECT_EQ(readText(more), "More");
    EXPECT_EQ(readText(more), ""); // no author
}

TEST_F(StageSetSourceTest, RefusesSetsBeyondTheGamesCapacity) {
    std::string set = "title Big\ngroup G\n";
    for (int i = 0; i < 100; ++i)
        set += "stage ONE.MAP\n";
    content.write("stagesets/main.txt", set);
    EXPECT_EQ(content.compile("stagesets"), 1);
    EXPECT_TRUE(said("main.txt:102: more than 99 stages")) << content.output;

    set = "title Wide\n";
    for (int i = 0; i < 26; ++i)
        set += "group G\nstage ONE.MAP\n";
    content.write("stagesets/main.txt", set);
    EXPECT_EQ(content.compile("stagesets"), 1);
    EXPECT_TRUE(said("main.txt:52: more than 25 groups")) << content.output;

    content.write("stagesets/main.txt",
                  "title T\ngroup " + std::string(40, 'g') + "\nstage ONE.MAP\n");
    EXPECT_EQ(content.compile("stagesets"), 1);
    EXPECT_TRUE(said("main.txt:2: the group is 40 bytes long; the game holds at most 39"))
        << content.output;

    content.write("stagesets/main.txt",
                  "title " + std::string(80, 't') + "\ngroup G\nstage ONE.MAP\n");
    EXPECT_EQ(content.compile("stagesets"), 1);
    EXPECT_TRUE(said("main.txt:1: the title is 80 bytes long; the game holds at most 79"))
        << content.output;

    content.write("stagesets/main.txt", "title T\ngroup G\nstage FOUR.MAP\n");
    EXPECT_EQ(content.compile("stagesets"), 1);
    EXPECT_TRUE(said("main.txt:3: no map source under content/maps builds FOUR.MAP"))
        << content.output;
    EXPECT_FALSE(fileExists("DATA/MAIN.STG"));
}
