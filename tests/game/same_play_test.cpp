// Every shortcut of the simulation only saves work: the map's index instead of
// testing every block, steps taken together where nothing lies in their way,
// what the bodies learnt of the map, and sprites, tile animations and particles
// standing still when nobody looks. Play through them is, tick by tick and to
// the last bit, the play of the literal rules.
#include "game/actor_physics.h"
#include "game/headless_playback.h"
#include "level/level_files.h"
#include "level/play_shown.h"
#include "support/stage_files.h"
#include "support/test_env.h"
#include "text/data_file.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
struct Switches {
    bool bruteForce = false;
    bool literal = false;
    bool shown = false;
};

std::vector<std::string> traceOf(const std::string& demo, Switches on,
                                 int64_t maxTicks = 10'000'000) {
    bruteForceCollision = on.bruteForce;
    literalStepping = on.literal;
    playShown = on.shown;
    std::vector<std::string> lines;
    PlaybackOptions options;
    options.maxTicks = maxTicks;
    options.onTick = [&lines](int32_t tick) { lines.push_back(traceTickLine(tick)); };
    DataReader in;
    in.openSystemPath(demo);
    PlaybackResult r = playDemoHeadless(in, demo.c_str(), options);
    bruteForceCollision = false;
    literalStepping = false;
    playShown = true;
    lines.push_back(std::string("end ") + playbackEndName(r.end));
    return lines;
}

void expectSame(const std::vector<std::string>& fast, const std::vector<std::string>& literal,
                const std::string& what) {
    ASSERT_EQ(fast.size(), literal.size()) << what;
    for (size_t i = 0; i < fast.size(); ++i)
        ASSERT_EQ(fast[i], literal[i]) << what << " at tick " << i;
}

// The fastest way against each switch alone and against all of them at once.
void expectSameTraces(const std::string& demo, int64_t maxTicks = 10'000'000) {
    std::vector<std::string> fast = traceOf(demo, {}, maxTicks);
    for (Switches on : {Switches{true, false, false}, Switches{false, true, false},
                        Switches{false, false, true}, Switches{true, true, true}})
        expectSame(fast, traceOf(demo, on, maxTicks),
                   demo + (on.bruteForce ? " brute force" : "") + (on.literal ? " literal" : "") +
                       (on.shown ? " shown" : ""));
}
} // namespace

TEST(SamePlay, TheLargeStagePlaysAlikeWithEveryShortcutOnOrOff) {
    TempGameDir dir;
    // Testing all 32768 blocks in every probe of 65 bodies is slow: 600 ticks
    // take the ball past gold, cups, bounce blocks, ledges and enemies.
    writeLargeStagePlay(600);
    std::vector<std::string> trace = traceOf("LARGE.TDM", {}, 600);
    ASSERT_EQ(trace.size(), 601u);
    EXPECT_NE(trace[599].substr(0, 20), trace[0].substr(0, 20));
    expectSameTraces("LARGE.TDM", 600);
}

TEST(SamePlay, RandomStagesPlayAlikeWithEveryShortcutOnOrOff) {
    TempGameDir dir;
    writeStageResources();
    writeMixedTileset();
    int ended = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        DataWriter out;
        writeMapFile(out, randomStage(seed));
        writeFileBytes("DATA/RANDOM.MAP", out.bytes());
        writeRandomDemo("RANDOM.TDM", "RANDOM.MAP", 900, seed);
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::vector<std::string> fast = traceOf("RANDOM.TDM", {});
        if (fast.back() != "end unfinished") ++ended;
        expectSame(fast, traceOf("RANDOM.TDM", {true, true, true}), "random stage");
        if (HasFatalFailure()) return;
    }
    // The stages are lively: many runs end in a death or a clear.
    EXPECT_GT(ended, 20);
}

TEST(SamePlay, EveryShippedDemoPlaysAlikeWithEveryShortcutOnOrOff) {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    if (!game) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    std::filesystem::path root(game);
    InDir inGame(game);
    ASSERT_TRUE(inGame.ok);
    int demos = 0;
    for (const auto& folder : {root.parent_path() / "solutions", root / "DEMOS"})
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            expectSameTraces(entry.path().string());
            ++demos;
        }
    EXPECT_GT(demos, 32);
}
