// Pictures of every stage in play: near its start (with the stage's title),
// halfway and at its goal, taken while its solution demo (build/solutions)
// plays through the real game loop.
#include "screen_pictures/screen_shots.h"

#include "game/demo.h"
#include "game/game_loop.h"
#include "game/hud.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "text/data_file.h"
#include "text/text_utils.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace {
void playAndCapture(ShotContext& shot, const std::filesystem::path& path) {
    DataReader in;
    in.openSystemPath(path.string());
    DemoFile demo;
    if (!in.isOpen() || !readDemoFile(in, demo)) return;
    int32_t last = (int32_t)demo.steering.size() - 1;
    while (last > 0 && demo.steering[(size_t)last] == steerNone)
        --last;
    useDemo(demo);
    // The overlay names the demo being played, as the demo browser does.
    copyText(playbackDemoName, path.stem().string().c_str(), sizeof playbackDemoName);
    playMode = {true, DemoMode::Playback, false};
    playRecord.stageIndex = 0;
    if (!startStage()) return;
    std::string stem = path.stem().string();
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return (char)std::tolower(c); });
    const std::pair<int32_t, const char*> moments[] = {
        {30, "start"}, {last / 2, "middle"}, {last - 1, "goal"}};
    PlayRun run;
    run.begin();
    TickOutcome outcome = TickOutcome::Continue;
    for (int32_t tick = 0; tick <= last && outcome == TickOutcome::Continue; ++tick) {
        // A batch of ticks pending: a teleport's fades run through them.
        gameTicks = 1 << 20;
        outcome = run.tick();
        for (const auto& [when, name] : moments)
            if (tick == when && outcome == TickOutcome::Continue) {
                run.drawFrame();
                shot.capture("stage-" + stem + "-" + name);
            }
    }
    run.end(outcome);
}

void stages(ShotContext& shot) {
    std::filesystem::path folder =
        std::filesystem::path(shot.gameFolder()).parent_path() / "solutions";
    std::vector<std::filesystem::path> demos;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".TDM") demos.push_back(entry.path());
    std::sort(demos.begin(), demos.end());
    startGameTimer(ticksPerSecond);
    for (const auto& path : demos)
        playAndCapture(shot, path);
}
REGISTER_SHOT("stages", stages);
} // namespace
