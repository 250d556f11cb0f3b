// A snapshot holds everything play reads: put back, the run goes on tick by
// tick as it went on the first time.
#include "game/demo.h"
#include "game/game_loop.h"
#include "game/headless_playback.h"
#include "game/play_records.h"
#include "game/play_snapshot.h"
#include "game/stage_flow.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "support/stage_files.h"
#include "support/test_env.h"
#include "text/data_file.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> playOn(PlayRun& run, int ticks) {
    std::vector<std::string> lines;
    for (int t = 0; t < ticks; ++t) {
        gameTicks = 1 << 20;
        TickOutcome outcome = run.tick();
        lines.push_back(traceTickLine(t));
        if (outcome != TickOutcome::Continue) break;
    }
    return lines;
}
} // namespace

TEST(PlaySnapshot, PutBackThePlayGoesOnAsBefore) {
    TempGameDir dir;
    writeStageResources();
    writeMixedTileset();
    for (uint32_t seed : {3u, 17u, 42u}) {
        DataWriter out;
        writeMapFile(out, randomStage(seed));
        writeFileBytes("DATA/RANDOM.MAP", out.bytes());
        writeRandomDemo("RANDOM.TDM", "RANDOM.MAP", 900, seed);
        DataReader in;
        in.openSystemPath("RANDOM.TDM");
        DemoFile demo;
        ASSERT_TRUE(readDemoFile(in, demo));
        useDemo(demo);
        playMode = {true, DemoMode::Playback, false};
        ASSERT_TRUE(startStage());
        setFrameHook([]() { gameTicks += 1; });
        startGameTimer(ticksPerSecond);
        PlayRun run;
        run.begin();
        playOn(run, 150);
        PlaySnapshot middle = takeSnapshot(run);
        std::vector<std::string> first = playOn(run, 600);
        restoreSnapshot(middle, run);
        EXPECT_EQ(first, playOn(run, 600)) << "seed " << seed;
        setFrameHook(nullptr);
        stopGameTimer();
    }
}
