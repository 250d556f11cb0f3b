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
    EXPECT_EQ(readFileBytes("DATA/MAIN.STG"),
              Bytes().i32(3).str("My Set").str("Someone Else").i32(2)
                  .str("First Group").i32(2).str("ONE.MAP").str("two.map")
                  .str("Second").i32(1).str("THREE.MAP")
                  .data());
    // Named by its "file" line; no author.
    EXPECT_EQ(readFileBytes("DATA/more.dat"),
              Bytes().i32(1).str("More").str("").i32(1).str("G").i32(1).str("ONE.MAP").data());
}

TEST_F(StageSetSourceTest, RefusesSetsBeyondTheGamesCapacity) {
    std::string many = "title Big\ngroup G\n", wide = "title Wide\n";
    for (int i = 0; i < 100; ++i)
        many += "stage ONE.MAP\n";
    for (int i = 0; i < 26; ++i)
        wide += "group G\nstage ONE.MAP\n";
    const std::pair<std::string, const char*> cases[] = {
        {many, "main.txt:102: more than 99 stages"},
        {wide, "main.txt:52: more than 25 groups"},
        {"title T\ngroup " + std::string(40, 'g') + "\nstage ONE.MAP\n",
         "main.txt:2: the group is 40 bytes long; the game holds at most 39"},
        {"title " + std::string(80, 't') + "\ngroup G\nstage ONE.MAP\n",
         "main.txt:1: the title is 80 bytes long; the game holds at most 79"},
        {"title T\ngroup G\nstage FOUR.MAP\n",
         "main.txt:3: no map source under content/maps builds FOUR.MAP"},
    };
    for (const auto& [source, message] : cases) {
        content.write("stagesets/main.txt", source);
        EXPECT_EQ(content.compile("stagesets"), 1) << message;
        EXPECT_TRUE(content.said(message)) << content.output;
        EXPECT_FALSE(fileExists("DATA/MAIN.STG"));
    }
}
