// The level compilers of the asset compiler, and the info tool on demos, run on
// small sources in scratch folders.
#include "tools/level_content_run.h"

#include "game/demo_format.h"
#include "level/animation_format.h"
#include "level/tileset_format.h"
#include "progress/stage_set_format.h"
#include "text/data_file.h"

#include <gtest/gtest.h>

namespace {
class LevelContentTest : public ::testing::Test {
protected:
    // The set compiler only checks that a map source exists for each stage.
    void writeMapSources() {
        for (const char* name : {"one", "two", "three"})
            content.write(std::string("maps/") + name + ".txt", "");
    }
    // Compiling `text` as `source` fails, names `message` and writes no `output`.
    void refused(const char* kind, const char* source, const std::string& text,
                 const std::string& message, const char* output) {
        SCOPED_TRACE(text);
        content.write(source, text);
        EXPECT_EQ(content.compile(kind), 1);
        EXPECT_TRUE(content.said(message)) << content.output;
        EXPECT_FALSE(fileExists(output));
    }
    TempGameDir game;
    ContentRun content;
};

Bytes demo(const std::vector<uint8_t>& steering) {
    DataWriter out;
    writeDemoFile(out, {1, "TROP01.MAP", 0, "Sunny Start", "00:07:20 (100%)", 1}, steering.data(),
                  steering.size());
    return Bytes(out.bytes());
}

// A compiled file as the game's own reader of its format reads it.
template <typename Record, typename Reader> Record readBack(const char* gamePath, Reader read) {
    Record record;
    DataReader in(gamePath);
    EXPECT_TRUE(in.isOpen() && read(in, record)) << gamePath;
    return record;
}
} // namespace

TEST_F(LevelContentTest, AnimationSequencesComeOutInFileOrder) {
    content.write("animations/ball.txt", "# a comment\n"
                                         "sequence 0  0:120 1:6  loop 0   # rest\n"
                                         "\n"
                                         "sequence 1  6:4 7:5 next 0\n"
                                         "sequence 2  9:0 loop 0\n");
    ASSERT_EQ(content.compile("animations"), 0) << content.output;
    auto animation = readBack<AnimationFile>("DATA\\BALL.ANM", readAnimationFile);
    EXPECT_EQ(animation.sequences, (std::vector<AnimationFileSequence>{
                                       {{0, 1}, {120, 6}, 0, 0},
                                       {{6, 7}, {4, 5}, -1, 0},
                                       {{9}, {0}, 0, 0},
                                   }));
}

TEST_F(LevelContentTest, AnimationRefusesSequencesAPlayerCouldNotRunSafely) {
    const std::pair<const char*, const char*> cases[] = {
        {"sequence 0 0:5 1:5 loop 2\n", "ball.txt:1: loop frame 2 is past the last frame"},
        {"sequence 0 0:5 next 0\n", "ball.txt:1: a sequence cannot go on with itself"},
        {"sequence 0 0:5 loop 0\nsequence 1 1:5 next 4\n",
         "ball.txt:2: next sequence 4 does not exist"},
        {"sequence 1 0:5 loop 0\n", "ball.txt:1: expected sequence 0 here"},
        {"sequence 0 0:-1 loop 0\n", "ball.txt:1: '0:-1' is not a frame"},
        {"sequence 0 loop 0\n", "ball.txt:1: a sequence needs frames"},
    };
    for (const auto& [source, message] : cases)
        refused("animations", "animations/ball.txt", source, message, "DATA/BALL.ANM");
}

TEST_F(LevelContentTest, TilesetTilesComeOutInIndexOrder) {
    content.write("tilesets/beach.txt", "# name picture animation w h\n"
                                        "top   BITMAP\\TILES\\B_TOP.BMP   -               16 16\n"
                                        "goal  BITMAP\\TILES\\B_GOAL.BMP  DATA\\TILE4.ANM  16 8\n");
    ASSERT_EQ(content.compile("tilesets"), 0) << content.output;
    // No animation is an empty name.
    auto tileset = readBack<TilesetFile>("DATA\\BEACH.TLS", readTilesetFile);
    EXPECT_EQ(tileset.entries, (std::vector<TilesetEntry>{
                                   {"BITMAP\\TILES\\B_TOP.BMP", "", 16, 16},
                                   {"BITMAP\\TILES\\B_GOAL.BMP", "DATA\\TILE4.ANM", 16, 8},
                               }));
}

TEST_F(LevelContentTest, TilesetRefusesWhatTheTilesetFileCannotHold) {
    std::string longPath = "BITMAP\\" + std::string(69, 'x') + ".BMP"; // 80 bytes
    const std::pair<std::string, const char*> cases[] = {
        {"top " + longPath + " - 16 16\n",
         "beach.txt:1: the picture path is 80 bytes long; the game holds at most 79"},
        {"top A.BMP - 16 16\ntop B.BMP - 16 16\n", "beach.txt:2: tile 'top' is already tile 0"},
        {"top A.BMP - 0 16\n", "beach.txt:1:"},
    };
    for (const auto& [source, message] : cases)
        refused("tilesets", "tilesets/beach.txt", source, message, "DATA/BEACH.TLS");
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
    for (const auto& [source, message] : cases)
        refused("stagesets", "stagesets/main.txt", source, message, "DATA/MAIN.STG");
}

TEST_F(LevelContentTest, DemoInfoPrintsTheSourceThatCompilesBackToTheSameFile) {
    std::vector<uint8_t> steering(120, 2);
    steering.resize(150, 0);
    steering.resize(160, 1);
    steering.push_back(7);
    Bytes file = demo(steering);
    writeFileBytes("DEMOS/RUN.TDM", file.data());
    std::string out;
    ASSERT_EQ(runGameTool("info " + game.path() + "/DEMOS/RUN.TDM", out), 0) << out;
    // Runs of steering up to the last tick that steers; nothing after.
    EXPECT_EQ(out.substr(out.find('\n') + 1), "map      TROP01.MAP\n"
                                              "died     0\n"
                                              "title    Sunny Start\n"
                                              "clear    00:07:20 (100%)\n"
                                              "cups     1\n"
                                              "steering\n"
                                              "right 120\n"
                                              "none 30\n"
                                              "left 10\n"
                                              "raw 7 1\n");
    content.write("demos/run.txt", out);
    ASSERT_EQ(content.compile("demos"), 0) << content.output;
    EXPECT_EQ(readFileBytes("RUN.TDM"), file.data());

    content.write("demos/run.txt", "map A.MAP\nsteering\nright 9000\nleft 2\n");
    EXPECT_EQ(content.compile("demos"), 1);
    EXPECT_TRUE(content.said("run.txt:4: the steering runs past the 9001 ticks")) << content.output;
}
