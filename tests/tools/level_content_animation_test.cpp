#include "tools/level_content_run.h"

#include <gtest/gtest.h>

namespace {
class AnimationSourceTest : public ::testing::Test {
  protected:
    TempGameDir game;
    ContentRun content;
};
} // namespace

TEST_F(AnimationSourceTest, SequencesComeOutInFileOrder) {
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

TEST_F(AnimationSourceTest, RefusesSequencesAPlayerCouldNotRunSafely) {
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
