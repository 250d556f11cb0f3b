// The map's index of blocks and treasures only saves work: play through it is,
// tick by tick, the play of testing every block and treasure in order.
#include "game/actor_physics.h"
#include "game/headless_playback.h"
#include "level/level_files.h"
#include "support/stage_files.h"
#include "support/test_env.h"
#include "text/data_file.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
std::vector<std::string> traceOf(const std::string& demo, bool bruteForce,
                                 int64_t maxTicks = 10'000'000) {
    bruteForceCollision = bruteForce;
    std::vector<std::string> lines;
    PlaybackOptions options;
    options.maxTicks = maxTicks;
    options.onTick = [&lines](int32_t tick) { lines.push_back(traceTickLine(tick)); };
    DataReader in;
    in.openSystemPath(demo);
    PlaybackResult r = playDemoHeadless(in, demo.c_str(), options);
    bruteForceCollision = false;
    lines.push_back(std::string("end ") + playbackEndName(r.end));
    return lines;
}

void expectSameTraces(const std::string& demo, int64_t maxTicks = 10'000'000) {
    std::vector<std::string> indexed = traceOf(demo, false, maxTicks);
    std::vector<std::string> literal = traceOf(demo, true, maxTicks);
    ASSERT_EQ(indexed.size(), literal.size()) << demo;
    for (size_t i = 0; i < indexed.size(); ++i)
        ASSERT_EQ(indexed[i], literal[i]) << demo << " at tick " << i;
}
} // namespace

TEST(CollisionIndex, TheLargeStagePlaysAlikeWithAndWithoutTheIndex) {
    TempGameDir dir;
    // Testing all 32768 blocks in every probe of 65 bodies is slow: 600 ticks
    // take the ball past gold, cups, bounce blocks, ledges and enemies.
    writeLargeStagePlay(600);
    std::vector<std::string> trace = traceOf("LARGE.TDM", false, 600);
    ASSERT_EQ(trace.size(), 601u);
    EXPECT_NE(trace[599].substr(0, 20), trace[0].substr(0, 20));
    expectSameTraces("LARGE.TDM", 600);
}

TEST(CollisionIndex, EveryShippedSolutionPlaysAlikeWithAndWithoutTheIndex) {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    if (!game) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    std::filesystem::path solutions = std::filesystem::path(game).parent_path() / "solutions";
    InDir inGame(game);
    ASSERT_TRUE(inGame.ok);
    int demos = 0;
    for (const auto& entry : std::filesystem::directory_iterator(solutions)) {
        expectSameTraces(entry.path().string());
        ++demos;
    }
    EXPECT_GT(demos, 0);
}
