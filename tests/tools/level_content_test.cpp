// The level compilers of the asset compiler, and the info tool on demos, run on
// small sources in scratch folders.
#include "tools/level_content_run.h"

#include <gtest/gtest.h>

namespace {
class LevelContentTest : public ::testing::Test {
protected:
    // The set compiler only checks that a map source exists for each stage.
    void writeMapSources() {
        for (const char* name : {"one", "two", "three"})
            content.write(std::string("maps/") + name + ".txt", "");
    }
    TempGameDir game;
    ContentRun content;
};

std::string runInfo(const std::string& path, int& status) {
    const char* tools = std::getenv("TUMBLO_TOOLS_DIR");
    std::string output;
    status = runCommand(std::string(tools ? tools : "build/tools") + "/tumblo-tool info " + path,
                        output);
    return output;
}

Bytes demo(const std::vector<uint8_t>& steering) {
    Bytes b;
    b.i32(1).str("TROP01.MAP").i32(0).str("Sunny Start").str("00:07:20 (100%)").i32(1);
    for (int t = 0; t < 9001; ++t)
        b.byte(t < (int)steering.size() ? steering[t] : 0);
    return b;
}
} // namespace

TEST_F(LevelContentTest, AnimationSequencesComeOutInFileOrder) {
    content.write("animations/ball.txt", "# a comment\n"
                                         "sequence 0  0:120 1:6  loop 0   # rest\n"
                                         "\n"
                                         "sequence 1  6:4 7:5 next 0\n"
                                         "sequence 2  9:0 loop 0\n");
    ASSERT_EQ(content.compile("animations"), 0) << content.output;
    DataReader in("DATA\\BALL.ANM");
    ASSERT_TRUE(in.isOpen());
    EXPECT_EQ(readInt32(in), 3);
    // Pictures first, then durations, then loop frame and next sequence.
    int expected[] = {2, 0, 1, 120, 6, 0, 0, /**/ 2, 6, 7, 4, 5, -1, 0, /**/ 1, 9, 0, 0, 0};
    for (int value : expected)
        EXPECT_EQ(readInt32(in), value);
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(in.size(), 4L * (1 + 19));
}

TEST_F(LevelContentTest, AnimationRefusesSequencesAPlayerCouldNotRunSafely) {
    struct Case {
        const char* source;
        const char* message;
    } cases[] = {
        {"sequence 0 0:5 1:5 loop 2\n", "ball.txt:1: loop frame 2 is past the last frame"},
        {"sequence 0 0:5 next 0\n", "ball.txt:1: a sequence cannot go on with itself"},
        {"sequence 0 0:5 loop 0\nsequence 1 1:5 next 4\n",
         "ball.txt:2: next sequence 4 does not exist"},
        {"sequence 1 0:5 loop 0\n", "ball.txt:1: expected sequence 0 here"},
        {"sequence 0 0:-1 loop 0\n", "ball.txt:1: '0:-1' is not a frame"},
        {"sequence 0 loop 0\n", "ball.txt:1: a sequence needs frames"},
    };
    for (const Case& c : cases) {
        content.write("animations/ball.txt", c.source);
        EXPECT_EQ(content.compile("animations"), 1) << c.source;
        EXPECT_NE(content.output.find(c.message), std::string::npos) << content.output;
        EXPECT_FALSE(fileExists("DATA/BALL.ANM")) << c.source;
    }
}

TEST_F(LevelContentTest, TilesetTilesComeOutInIndexOrder) {
    content.write("tilesets/beach.txt", "# name picture animation w h\n"
                                        "top   BITMAP\\TILES\\B_TOP.BMP   -               16 16\n"
                                        "goal  BITMAP\\TILES\\B_GOAL.BMP  DATA\\TILE4.ANM  16 8\n");
    ASSERT_EQ(content.compile("tilesets"), 0) << content.output;
    // No animation is an empty name.
    EXPECT_EQ(readFileBytes("DATA/BEACH.TLS"), Bytes()
                                                   .i32(2)
                                                   .str("BITMAP\\TILES\\B_TOP.BMP")
                                                   .str("")
                                                   .i32(16)
                                                   .i32(16)
                                                   .str("BITMAP\\TILES\\B_GOAL.BMP")
                                                   .str("DATA\\TILE4.ANM")
                                                   .i32(16)
                                                   .i32(8)
                                                   .data());
}

TEST_F(LevelContentTest, TilesetRefusesWhatTheTilesetFileCannotHold) {
    std::string longPath = "BITMAP\\" + std::string(69, 'x') + ".BMP"; // 80 bytes
    const std::pair<std::string, const char*> cases[] = {
        {"top " + longPath + " - 16 16\n",
         "beach.txt:1: the picture path is 80 bytes long; the game holds at most 79"},
        {"top A.BMP - 16 16\ntop B.BMP - 16 16\n", "beach.txt:2: tile 'top' is already tile 0"},
        {"top A.BMP - 0 16\n", "beach.txt:1:"},
    };
    for (const auto& [source, message] : cases) {
        content.write("tilesets/beach.txt", source);
        EXPECT_EQ(content.compile("tilesets"), 1) << source;
        EXPECT_TRUE(content.said(message)) << content.output;
        EXPECT_FALSE(fileExists("DATA/BEACH.TLS"));
    }
}

TEST_F(LevelContentTest, StageSetGroupsAndStagesComeOutInPlayOrder) {
    writeMapSources();
    content.write("stagesets/main.txt", "title  My Set\n"
                                        "author Someone Else\n"
                                        "group  First Group\n"
                                        "stage  ONE.MAP\n"
                                        "stage  two.map\n"
                                        "group  Second\n"
                                        "stage  THREE.MAP\n");
    content.write("stagesets/bonus.txt", "file more.dat\ntitle More\ngroup G\nstage ONE.MAP\n");
    ASSERT_EQ(content.compile("stagesets"), 0) << content.output;
    EXPECT_EQ(readFileBytes("DATA/MAIN.STG"), Bytes()
                                                  .i32(3)
                                                  .str("My Set")
                                                  .str("Someone Else")
                                                  .i32(2)
                                                  .str("First Group")
                                                  .i32(2)
                                                  .str("ONE.MAP")
                                                  .str("two.map")
                                                  .str("Second")
                                                  .i32(1)
                                                  .str("THREE.MAP")
                                                  .data());
    // Named by its "file" line; no author.
    EXPECT_EQ(readFileBytes("DATA/more.dat"),
              Bytes().i32(1).str("More").str("").i32(1).str("G").i32(1).str("ONE.MAP").data());
}

TEST_F(LevelContentTest, StageSetRefusesSetsBeyondTheGamesCapacity) {
    writeMapSources();
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

TEST_F(LevelContentTest, DemoInfoPrintsTheHeaderAndTheRunsOfSteering) {
    std::vector<uint8_t> steering(120, 2);
    steering.resize(150, 0);
    steering.resize(160, 1);
    writeFileBytes("DEMOS/RUN.TDM", demo(steering).data());
    int status = 0;
    std::string out = runInfo(game.path() + "/DEMOS/RUN.TDM", status);
    EXPECT_EQ(status, 0) << out;
    for (const char* line :
         {"map TROP01.MAP\n", "died 0\n", "title Sunny Start\n", "clear time 00:07:20 (100%)\n",
          "cups 1\n", "steering 9001 ticks: none 8871, left 10, right 120\n",
          "last steered tick 159\n", "  ticks 0-119 right\n", "  ticks 120-149 none\n",
          "  ticks 150-159 left\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line << "in\n" << out;
    EXPECT_EQ(out.find("ticks 160"), std::string::npos); // nothing after the last steering
}

TEST_F(LevelContentTest, DemoInfoRefusesAShortOrDamagedDemo) {
    Bytes whole = demo({2, 2, 1});
    writeFileBytes("DEMOS/SHORT.TDM", whole.truncated(whole.data().size() - 1));
    int status = 0;
    std::string out = runInfo(game.path() + "/DEMOS/SHORT.TDM", status);
    EXPECT_EQ(status, 2) << out;
    EXPECT_NE(out.find("not a valid demo file"), std::string::npos) << out;

    Bytes longTitle;
    longTitle.i32(1).str("TROP01.MAP").i32(0).str(std::string(80, 't'));
    writeFileBytes("DEMOS/BAD.TDM", longTitle.data());
    runInfo(game.path() + "/DEMOS/BAD.TDM", status);
    EXPECT_EQ(status, 2);
}
