// The simulation's speed in ticks per second (items_per_second): each stage
// with a solution demo replaying it, the generated large stage through the map's
// index and testing every block, and one frame of the busiest stage drawn.
#include "game/actor_physics.h"
#include "game/demo.h"
#include "game/game_loop.h"
#include "game/hud.h"
#include "game/play_records.h"
#include "game/play_snapshot.h"
#include "game/stage_flow.h"
#include "game/world_drawing.h"
#include "level/graphics.h"
#include "level/map.h"
#include "level/play_shown.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "support/stage_files.h"
#include "support/test_env.h"
#include "text/data_file.h"
#include "text/font.h"
#include "text/text_utils.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
fs::path buildDir() {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    return game ? fs::path(game).parent_path() : fs::path(TUMBLO_BUILD_DIR);
}

// A stage started for playback of `demo` (or of its own map with the demo's
// steering), ready to be stepped from its first tick again and again.
struct SteppedStage {
    PlayRun run;
    PlaySnapshot start;
    int32_t ticks = 0;

    bool begin(const std::string& demoPath, int32_t tickCount) {
        // Nobody sees these runs, as nobody sees the tool's or the solver's.
        playShown = false;
        DataReader in;
        in.openSystemPath(demoPath);
        DemoFile demo;
        if (!in.isOpen() || !readDemoFile(in, demo)) return false;
        useDemo(demo);
        playMode = {true, DemoMode::Playback, false};
        if (!startStage()) return false;
        setFrameHook([]() { gameTicks += 1; });
        startGameTimer(ticksPerSecond);
        run.begin();
        start = takeSnapshot(run);
        ticks = tickCount;
        return true;
    }
    // Ticks from the start; stops early if the run ends.
    int32_t play() {
        restoreSnapshot(start, run);
        int32_t t = 0;
        for (; t < ticks; ++t) {
            // A batch of ticks pending, as the tool feeds the clock: the fades of
            // a teleport run through them without drawing.
            gameTicks = 1 << 20;
            if (run.tick() != TickOutcome::Continue) break;
        }
        return t;
    }
    ~SteppedStage() {
        playShown = true;
        setFrameHook(nullptr);
        stopGameTimer();
    }
};

// items_per_second: ticks; "bodies": the ball and the enemies that move in them.
void runStage(benchmark::State& state, SteppedStage& stage) {
    int64_t ticks = 0;
    for (auto _ : state)
        ticks += stage.play();
    state.SetItemsProcessed(ticks);
    state.counters["bodies"] = 1 + enemyCount;
}

// A shipped stage, up to the tick before its solution clears it (the clear
// sequence draws 200 frames, which is no simulation).
void BM_Simulation(benchmark::State& state, std::string name) {
    ensureHeadless();
    InDir inGame((buildDir() / "game").string());
    std::string demo = (buildDir() / "solutions" / (name + ".TDM")).string();
    loadPlayGraphics();
    DataReader in;
    in.openSystemPath(demo);
    DemoFile file;
    if (!inGame.ok || !in.isOpen() || !readDemoFile(in, file)) {
        state.SkipWithError("no solution demo; build the game first");
        return;
    }
    int32_t length = (int32_t)file.steering.size();
    while (length > 0 && file.steering[(size_t)length - 1] == steerNone)
        --length;
    SteppedStage stage;
    if (!stage.begin(demo, length - 1)) {
        state.SkipWithError("the stage did not start");
        return;
    }
    runStage(state, stage);
}

void playLargeStage(benchmark::State& state, bool bruteForce, int32_t ticks) {
    TempGameDir dir;
    writeLargeStagePlay(9001);
    SteppedStage stage;
    if (!stage.begin("LARGE.TDM", ticks)) {
        state.SkipWithError("the large stage did not start");
        return;
    }
    bruteForceCollision = bruteForce;
    runStage(state, stage);
    bruteForceCollision = false;
}

void BM_SimulationLargeMap(benchmark::State& state) {
    playLargeStage(state, false, 2000);
}

void BM_SimulationLargeMapBruteForce(benchmark::State& state) {
    playLargeStage(state, true, 100);
}

// The frame of play of the stage with the most blocks: world, status bar and
// overlays into the back buffer.
void BM_DrawFrame(benchmark::State& state) {
    ensureHeadless();
    InDir inGame((buildDir() / "game").string());
    std::string error;
    if (!gameFont.load("DATA\\FONT.FNT", error)) state.SkipWithError(error.c_str());
    loadPlayGraphics();
    std::string busiest;
    int32_t most = -1;
    for (const auto& entry : fs::directory_iterator(buildDir() / "solutions")) {
        DataReader in;
        in.openSystemPath(entry.path().string());
        DemoFile demo;
        if (!readDemoFile(in, demo) || !loadMap(demo.header.mapFile.c_str())) continue;
        if (currentMap.blockCount > most) most = currentMap.blockCount, busiest = entry.path();
    }
    SteppedStage stage;
    if (busiest.empty() || !stage.begin(busiest, 300)) {
        state.SkipWithError("no stage to draw");
        return;
    }
    stage.play(); // into the stage, past its intro
    for (auto _ : state) {
        drawMap();
        drawStatusBar();
        drawOverlays();
    }
    state.SetLabel(std::string(currentMap.name) + ", " + std::to_string(most) + " blocks");
}
} // namespace

// One benchmark per solution demo beside the game, in name order, registered
// before the benchmarks run.
const bool stagesRegistered = [] {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(buildDir() / "solutions", error))
        if (entry.path().extension() == ".TDM") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        benchmark::RegisterBenchmark(("BM_Simulation/" + name).c_str(), BM_Simulation, name);
    return true;
}();
BENCHMARK(BM_SimulationLargeMap);
BENCHMARK(BM_SimulationLargeMapBruteForce);
BENCHMARK(BM_DrawFrame);
