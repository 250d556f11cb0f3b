// The shipped stages as a player meets them, played through the real game loop
// from the built game folder: holding one direction from the start clears no
// stage but the very first, and every stage of both sets has a solution demo
// that clears it with its cup and gives the stage its par.
#include "game/ball.h"
#include "game/demo.h"
#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/graphics.h"
#include "level/level_files.h"
#include "level/map.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/paths.h"
#include "progress/clear_time.h"
#include "progress/par_times.h"
#include "progress/stage_set.h"
#include "support/test_env.h"
#include "text/data_file.h"
#include "text/text_utils.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {
struct StageRef {
    std::string set;
    int index;
    std::string map;
};

// Both sets' stages, in play order.
std::vector<StageRef> shippedStages() {
    std::vector<StageRef> stages;
    for (const char* set : {"DEFAULT.STG", "tumblodata.dat"}) {
        if (!loadStageSet(set)) continue;
        for (int i = 0; i < stageSet.stageCount; ++i)
            stages.push_back({set, i, stageSet.stageFiles[i]});
    }
    stageSet = StageSet();
    return stages;
}

enum class End { Cleared, Ended, StillGoing };

// Plays the stage as a demo whose every tick steers `steering`, until the run
// ends; far more ticks than any time limit and a death take.
End holdOneWay(const std::string& map, uint8_t steering) {
    playMode = {true, DemoMode::Playback, false};
    playRecord.stageIndex = 0;
    copyText(currentMapFile, map.c_str(), mapFileCapacity);
    std::memset(demoSteering, steering, sizeof demoSteering);
    if (!startStage()) return End::Ended;
    setFrameHook([]() { gameTicks += 1; });
    startGameTimer(ticksPerSecond);
    PlayRun run;
    run.begin();
    TickOutcome outcome = TickOutcome::Continue;
    for (int32_t tick = 0; tick < steeringCapacity && outcome == TickOutcome::Continue; ++tick) {
        // A batch of ticks pending: a teleport's fades run through them.
        gameTicks = 1 << 20;
        outcome = run.tick();
    }
    run.end(outcome);
    setFrameHook(nullptr);
    stopGameTimer();
    End end = clearsThisRun > 0                  ? End::Cleared
              : outcome == TickOutcome::Continue ? End::StillGoing
                                                 : End::Ended;
    // The next test starts from a run that steers nothing, with the ball at rest
    // in the air as the game makes it.
    std::memset(demoSteering, steerNone, sizeof demoSteering);
    playMode = PlayMode();
    ball.onGround = ball.falling = ball.rising = false;
    return end;
}

class ShippedStages : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("TUMBLO_GAME_DIR");
        if (!dir) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
        gameDir = dir;
        ensureHeadless();
        inGame = std::make_unique<InDir>(gameDir);
        ASSERT_TRUE(inGame->ok) << gameDir;
        resetLevelState();
        loadPlayGraphics();
        stages = shippedStages();
        ASSERT_FALSE(stages.empty());
    }
    void TearDown() override {
        resetLevelState();
        inGame.reset();
    }
    std::string gameDir;
    std::unique_ptr<InDir> inGame;
    std::vector<StageRef> stages;
};
} // namespace

TEST_F(ShippedStages, HoldingOneDirectionClearsOnlyTheFirstStage) {
    for (const StageRef& s : stages) {
        bool first = s.set == "DEFAULT.STG" && s.index == 0;
        SCOPED_TRACE(s.set + " " + s.map);
        End right = holdOneWay(s.map, steerRight);
        End left = holdOneWay(s.map, steerLeft);
        EXPECT_NE(right, End::StillGoing);
        EXPECT_NE(left, End::StillGoing);
        // The first stage is the one a new player rolls through; it also shows
        // that a clear is seen at all.
        EXPECT_EQ(right == End::Cleared, first) << "holding right";
        EXPECT_NE(left, End::Cleared) << "holding left";
    }
}

// The par is the solution's clear tick, which `tumblo-tool verify` holds its
// recorded clear time to.
TEST_F(ShippedStages, EveryStageHasASolutionThatTakesItsCupAndGivesItsPar) {
    loadParTimes();
    std::map<std::string, DemoHeader> solutions; // by map file, upper case
    std::filesystem::path folder = std::filesystem::path(gameDir).parent_path() / "solutions";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        DataReader in;
        in.openSystemPath(entry.path().string());
        DemoFile demo;
        if (!in.isOpen() || !readDemoFile(in, demo)) continue;
        std::string key = demo.header.mapFile;
        for (char& c : key)
            c = (char)std::toupper((unsigned char)c);
        solutions[key] = demo.header;
    }
    ASSERT_FALSE(error) << folder;
    for (const StageRef& s : stages) {
        std::string key = s.map;
        for (char& c : key)
            c = (char)std::toupper((unsigned char)c);
        auto found = solutions.find(key);
        ASSERT_NE(found, solutions.end()) << "no solution demo for " << s.map;
        EXPECT_EQ(found->second.died, 0) << s.map;
        EXPECT_EQ(found->second.cups, 1) << s.map;
        EXPECT_EQ(parTimes.of(s.map), clearTickOfText(found->second.clearTime)) << s.map;
        EXPECT_GE(parTimes.of(s.map), 0) << s.map;
    }
}
