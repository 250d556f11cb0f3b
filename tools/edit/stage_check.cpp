#include "edit/stage_check.h"
#include "edit/stage_faults.h"
#include "edit/tile_names.h"
#include "solver/solver.h"

#include "assets/source_file.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/graphics.h"
#include "level/map.h"
#include "level/play_shown.h"
#include "platform/clock.h"
#include "text/text_utils.h"

#include <chrono>
#include <cmath>

namespace {
// The solver's options a source may give itself on a "# Solver: ..." line
// (longer steering segments where the ball waits for enemies in step).
void sourceSolverOptions(const StageSource& stage, SolverOptions& options) {
    for (const StageSourceLine& line : stage.layout) {
        if (line.kind != StageSourceLine::Text || line.text.rfind("# Solver:", 0) != 0) continue;
        std::vector<std::string> words = splitWords(line.text.substr(9));
        for (size_t i = 0; i + 1 < words.size(); ++i) {
            int value = 0;
            if (words[i] == "--segment" && parseInt(words[i + 1], value) && value > 0)
                options.segmentTicks = value;
        }
    }
}

bool hasCup(const StageSource& stage) {
    for (const std::string& row : stage.grid)
        for (char c : row) {
            const StageKey* k = stage.key(c);
            if (k && k->bonus >= 2) return true;
        }
    return false;
}

// Starts the stage afresh as a demo playback, as the solver wants it.
bool startForSearch(const MapFile& map) {
    playShown = false;
    playMode = {true, DemoMode::Playback, false};
    playRecord.stageIndex = 0;
    copyText(currentMapFile, "EDITED.MAP", mapFileCapacity);
    return buildMap(map, currentMapFile) && startLoadedStage();
}
} // namespace

std::string clearTimeText(int32_t ticks) {
    int seconds = ticks / ticksPerSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

bool compileForPlay(const StageSource& stage, MapFile& map, std::string& fault) {
    TilesetSource tileset;
    if (!readTileNames(stage.tileset, tileset)) {
        fault = "The tileset " + stage.tileset + " is not in the game's DATA";
        return false;
    }
    SourceFault why;
    if (compileStageSource(stage, tileset, map, why)) return true;
    fault = why.line ? "Line " + std::to_string(why.line) + ": " + why.message : why.message;
    return false;
}

StageVerdict checkStage(const StageSource& stage, const CheckOptions& options) {
    StageVerdict verdict;
    auto begin = std::chrono::steady_clock::now();
    auto elapsed = [&]() {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };
    verdict.text = stageFault(stage);
    MapFile map;
    if (verdict.text.empty()) compileForPlay(stage, map, verdict.text);
    if (!verdict.text.empty()) return verdict;
    if (options.loadPlayPictures) loadPlayGraphics();
    bool shown = playShown;
    SolverOptions search;
    search.weight = 2; // a clear soon rather than the shortest: a verdict within the budget
    search.coarse = true;
    search.cancel = options.cancel;
    search.helpers = options.helpers;
    sourceSolverOptions(stage, search);
    verdict.kind = StageVerdict::NoClear;
    verdict.text =
        "No clear found in " + std::to_string((int)std::lround(options.budgetSeconds)) + " s";
    search.budgetSeconds = options.budgetSeconds;
    if (!startForSearch(map)) {
        playShown = shown;
        verdict.kind = StageVerdict::Broken;
        verdict.text = "The game refuses the map";
        return verdict;
    }
    SolverResult plain = solveStage(search);
    if (plain.cancelled || (options.cancel && *options.cancel)) {
        playShown = shown;
        verdict.kind = StageVerdict::Cancelled;
        verdict.text.clear();
        return verdict;
    }
    if (plain.found) {
        verdict.kind = StageVerdict::Clears;
        verdict.clearTicks = plain.clearTick + 1;
        verdict.steering = plain.steering;
        std::string clears = "Clears in " + clearTimeText(verdict.clearTicks);
        verdict.text = clears + " \u2014 no cup";
        if (hasCup(stage)) {
            verdict.text = clears + " \u2014 cup not reached";
            search.takeCups = true;
            search.budgetSeconds = options.budgetSeconds - elapsed();
            SolverResult cup;
            if (search.budgetSeconds > 0 && startForSearch(map)) cup = solveStage(search);
            if (cup.cancelled || (options.cancel && *options.cancel)) {
                verdict.kind = StageVerdict::Cancelled;
                verdict.text.clear();
            } else if (cup.found) {
                verdict.cupTicks = cup.clearTick + 1;
                verdict.steering = cup.steering;
                verdict.text = clears + " \u2014 with the cup " + clearTimeText(verdict.cupTicks);
            }
        }
    }
    playShown = shown;
    verdict.seconds = elapsed();
    return verdict;
}
