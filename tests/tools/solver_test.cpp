// The solver's helper process only plays ahead: the search takes what it
// played in its own order, and finds the same way, state for state, with it or
// without it; the way found clears the stage when played back.
#include "solver/solver.h"

#include "game/demo.h"
#include "game/headless_playback.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/graphics.h"
#include "level/play_shown.h"
#include "level/teardown.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "support/test_env.h"
#include "text/data_file.h"
#include "text/text_utils.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {
SolverResult solveShipped(const char* map, int helpers) {
    loadPlayGraphics();
    playShown = false;
    playMode = {true, DemoMode::Playback, false};
    playRecord.stageIndex = 0;
    setFrameHook([]() { gameTicks += 1; });
    startGameTimer(ticksPerSecond);
    copyText(currentMapFile, map, mapFileCapacity);
    SolverResult r;
    if (startStage()) {
        SolverOptions options;
        options.takeCups = true;
        options.weight = 2;
        options.coarse = true;
        options.helpers = helpers;
        r = solveStage(options);
    }
    setFrameHook(nullptr);
    stopGameTimer();
    playShown = true;
    return r;
}
} // namespace

TEST(Solver, FindsTheSameWayWithOrWithoutItsHelper) {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    if (!game) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    InDir inGame(game);
    ASSERT_TRUE(inGame.ok);
    ensureHeadless();
    for (const char* map : {"TROP01.MAP", "DESE01.MAP"}) {
        SolverResult alone = solveShipped(map, 0);
        SolverResult helped = solveShipped(map, 1);
        ASSERT_TRUE(alone.found) << map;
        EXPECT_EQ(alone.statesExplored, helped.statesExplored) << map;
        EXPECT_EQ(alone.clearTick, helped.clearTick) << map;
        EXPECT_EQ(alone.steering, helped.steering) << map;

        DemoHeader header;
        header.mapFile = map;
        DataWriter out;
        writeDemoFile(out, header, helped.steering.data(), helped.steering.size());
        DataReader in(out.bytes());
        PlaybackResult played = playDemoHeadless(in, map, PlaybackOptions());
        EXPECT_EQ(played.end, PlaybackResult::Cleared) << map;
        EXPECT_EQ(played.tick, helped.clearTick) << map;
    }
    // The shipped stage's pictures go while the media library still runs,
    // before the leak check at exit.
    releaseGameData();
}
