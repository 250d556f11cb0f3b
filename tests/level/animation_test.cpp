#include "level/animation.h"
#include "level_files.h"

#include <gtest/gtest.h>

namespace {
class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override { ensureHeadless(); }

    // Loads `sequences` as DATA\T.ANM into `animation`.
    bool load(const std::vector<SequenceSpec>& sequences) {
        writeFileBytes("DATA/T.ANM", animationFile(sequences).data());
        return animation.load("DATA\\T.ANM");
    }

    // Loads `sequences` and plays sequence 0 of them on 16 x 16 frames.
    bool start(const std::vector<SequenceSpec>& sequences) {
        if (!load(sequences)) return false;
        player.setup(&animation, nullptr, nullptr, 16, 16);
        player.play(0);
        return true;
    }

    // The (sequence, frame) shown after each of `count` updates, starting with
    // the state before the first.
    std::vector<std::pair<int, int>> run(int count) {
        std::vector<std::pair<int, int>> shown{{player.sequence, player.frame}};
        for (int i = 0; i < count; ++i) {
            player.update();
            shown.push_back({player.sequence, player.frame});
        }
        return shown;
    }

    static std::vector<int> frames(const std::vector<std::pair<int, int>>& shown) {
        std::vector<int> f;
        for (auto& s : shown)
            f.push_back(s.second);
        return f;
    }

    TempGameDir dir;
    Animation animation;
    AnimationPlayer player;
};
} // namespace

TEST_F(AnimationTest, LoopsBackToTheLoopFrame) {
    ASSERT_TRUE(start({{{0, 1}, {5, 5}, 0, 0}, {{0, 1, 2}, {1, 1, 1}, 1, 0}}));
    EXPECT_TRUE(animation.loaded);
    // Each frame is shown for exactly its five updates, then the sequence repeats.
    EXPECT_EQ(frames(run(11)), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0}));

    player.play(1);
    EXPECT_EQ(frames(run(7)), (std::vector<int>{0, 1, 2, 1, 2, 1, 2, 1}));
}

TEST_F(AnimationTest, HeldFramesStopThePlayer) {
    ASSERT_TRUE(start({{{0, 1, 2}, {2, 1, 0}, 0, 0}, {{4, 5}, {0, 3}, 0, 0}}));
    EXPECT_EQ(frames(run(5)), (std::vector<int>{0, 0, 1, 2, 2, 2}));
    EXPECT_FALSE(player.playing);
    // Not playing any more, so the same sequence starts over.
    player.play(0);
    EXPECT_EQ(player.frame, 0);
    EXPECT_TRUE(player.playing);

    // A first frame of 0 ticks is shown and never left.
    player.play(1);
    EXPECT_FALSE(player.playing);
    EXPECT_EQ(frames(run(3)), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(AnimationTest, GoesOnWithTheNextSequenceOrStartsOverAtItself) {
    ASSERT_TRUE(start({{{0, 1}, {1, 2}, -1, 2}, {{3}, {1}, 0, 0}, {{6, 7}, {3, 3}, 0, 0}}));
    EXPECT_EQ(run(5),
              (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 1}, {2, 0}, {2, 0}, {2, 0}}));
    EXPECT_EQ(player.ticksLeft, 1);

    // A sequence that names itself next starts over.
    ASSERT_TRUE(start({{{0, 1}, {1, 1}, -1, 0}}));
    EXPECT_EQ(frames(run(4)), (std::vector<int>{0, 1, 0, 1, 0}));
    EXPECT_TRUE(player.playing);
}

TEST_F(AnimationTest, UnknownSequencesAndEmptyAnimationsPlayNothing) {
    player.setup(&animation, nullptr, nullptr, 16, 16); // never loaded
    player.play(0);
    EXPECT_FALSE(player.playing);
    player.update();
    ASSERT_TRUE(load({{{0}, {2}, 0, 0}}));
    player.play(1);
    EXPECT_FALSE(player.playing);
    player.play(-1);
    EXPECT_FALSE(player.playing);
    // Released under a running player: the next update stops it.
    player.play(0);
    animation.release();
    EXPECT_EQ(animation.sequenceCount, 0);
    player.update();
    player.update();
    EXPECT_FALSE(player.playing);
}

TEST_F(AnimationTest, RefusesFilesAPlayerCouldNotFollowAndKeepsWhatItHad) {
    ASSERT_TRUE(load({{{0}, {1}, 0, 0}, {{1}, {1}, 0, 0}}));
    const std::vector<std::vector<SequenceSpec>> bad = {
        {{{}, {}, 0, 0}},          // a sequence without frames
        {{{0, 1}, {1, 1}, 2, 0}},  // loop frame past the last
        {{{0, 1}, {1, 1}, -2, 0}}, // neither a frame nor -1
        {{{0}, {1}, -1, 1}},       // next sequence that does not exist
        {{{-1}, {1}, 0, 0}},       // a column left of the sheet
    };
    for (const auto& file : bad) {
        EXPECT_FALSE(load(file));
        EXPECT_EQ(animation.sequenceCount, 2);
    }
    for (const auto& bytes :
         {Bytes().i32(1 << 30).data(), animationFile({{{0, 1}, {1, 1}, 0, 0}}).truncated(18)}) {
        writeFileBytes("DATA/T.ANM", bytes);
        EXPECT_FALSE(animation.load("DATA\\T.ANM"));
    }
    EXPECT_FALSE(animation.load("DATA\\MISSING.ANM"));
    EXPECT_EQ(animation.sequenceCount, 2);
    EXPECT_EQ(animation.sequences[1].frames[0].image, 1);

    // A loop frame of any value is fine when the sequence goes on to another.
    EXPECT_TRUE(load({{{0}, {1}, -1, 0}}));
    EXPECT_TRUE(load({{{0}, {1}, 0, 99}}));
}
