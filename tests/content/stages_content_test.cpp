// The shipped stages as a player meets them, played through the real game loop
// from the built game folder: holding one direction from the start clears no
// stage but the very first, and every stage of both sets has a solution demo
// that clears it with its cup and gives the stage its par. Then the rules the
// stages are built to, read from the built maps and the solutions: gold,
// clocks, cups, secrets and how much layout two stages share.
#include "game/ball.h"
#include "game/demo.h"
#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/graphics.h"
#include "level/level_files.h"
#include "level/map.h"
#include "level/map_format.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/paths.h"
#include "progress/clear_time.h"
#include "progress/par_times.h"
#include "progress/stage_set.h"
#include "support/test_env.h"
#include "text/data_file.h"
#include "text/text_utils.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sstream>
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

namespace {
// The tiles every shipped theme has in the same order (content/tilesets).
enum ThemeTile : int32_t {
    tileTop = 0,
    tileFill = 1,
    tileBlock = 2,
    tilePlatform = 3,
    tileCrack = 13
};

std::string upper(std::string text) {
    for (char& c : text)
        c = (char)std::toupper((unsigned char)c);
    return text;
}

MapFile readBuiltMap(const std::string& file) {
    DataReader in;
    in.openSystemPath("DATA/" + file);
    MapFile map;
    EXPECT_TRUE(in.isOpen() && readMapFile(in, map)) << file;
    return map;
}

// The clear of a solution demo in seconds, from its header's "mm:ss:hh".
double clearSeconds(const DemoHeader& header) {
    int minutes = 0, seconds = 0, hundredths = 0;
    std::sscanf(header.clearTime.c_str(), "%d:%d:%d", &minutes, &seconds, &hundredths);
    return minutes * 60 + seconds + hundredths / 100.0;
}

// The solution demos, by map file in upper case.
std::map<std::string, DemoHeader> solutionHeaders(const std::string& gameDir) {
    std::map<std::string, DemoHeader> headers;
    std::filesystem::path folder = std::filesystem::path(gameDir).parent_path() / "solutions";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        DataReader in;
        in.openSystemPath(entry.path().string());
        DemoFile demo;
        if (in.isOpen() && readDemoFile(in, demo))
            headers[upper(demo.header.mapFile)] = demo.header;
    }
    return headers;
}

// What the player reads of a cell: '#' ground (passable walls look like it),
// '.' open, 'b'/'B' weak or strong bounce, 'x' hurt, 'T' teleport, 'F' goal, and
// the enemies where they start.
std::vector<std::string> layoutOf(const MapFile& map) {
    std::vector<std::string> rows((size_t)map.height, std::string((size_t)map.width, '.'));
    for (const MapBlockRecord& b : map.blocks) {
        char c = '.';
        bool wallLook = b.tileIndex == tileTop || b.tileIndex == tileFill ||
                        b.tileIndex == tileBlock || b.tileIndex == tilePlatform ||
                        b.tileIndex == tileCrack;
        if (!b.solid)
            c = wallLook ? '#' : '.';
        else if (b.type == blockBounce)
            c = b.param1 >= 9 ? 'B' : 'b';
        else if (b.type == blockHurt)
            c = 'x';
        else if (b.type == blockTeleport)
            c = 'T';
        else if (b.type == blockGoal)
            c = 'F';
        else
            c = '#';
        rows[(size_t)b.cellY][(size_t)b.cellX] = c;
    }
    for (const MapEnemyRecord& e : map.enemies) {
        int32_t y = e.cellY - 2; // the record counts the row two below the enemy
        if (y < 0 || y >= map.height || e.cellX < 0 || e.cellX >= map.width) continue;
        rows[(size_t)y][(size_t)e.cellX] = e.jumper                ? 'j'
                                           : e.kind == enemyHurter ? 'h'
                                           : e.kind == enemyPusher ? 'p'
                                                                   : 'e';
    }
    return rows;
}

// Every 10 x 6 window of a layout that is not just rows of one thing each (open
// sky over plain ground is in every stage and says nothing).
std::set<std::string> layoutWindows(const MapFile& map) {
    constexpr int width = 10, height = 6;
    std::vector<std::string> rows = layoutOf(map);
    std::set<std::string> windows;
    for (int y = 0; y + height <= map.height; ++y)
        for (int x = 0; x + width <= map.width; ++x) {
            std::string window;
            bool plain = true;
            for (int r = 0; r < height; ++r) {
                std::string part = rows[(size_t)(y + r)].substr((size_t)x, width);
                plain = plain && part.find_first_not_of(part[0]) == std::string::npos;
                window += part;
            }
            if (!plain) windows.insert(window);
        }
    return windows;
}

// The solver's clear without the cup, from the first line of the solution's
// source (scripts/solve-stages writes "without the cup: tick N"), and the
// ticks the solution steers; -1 when the source does not say.
std::pair<int, int> ticksWithAndWithoutCup(const std::string& mapFile) {
    std::string stem = mapFile.substr(0, mapFile.find('.'));
    for (char& c : stem)
        c = (char)std::tolower((unsigned char)c);
    std::ifstream in(std::string(std::getenv("TUMBLO_CONTENT_DIR")) + "/demos/" + stem + ".txt");
    std::string line, word;
    std::getline(in, line);
    size_t at = line.find("without the cup: tick ");
    int without = at == std::string::npos ? -1 : std::atoi(line.c_str() + at + 22);
    int ticks = 0, n = 0;
    while (in >> word)
        if ((word == "right" || word == "left" || word == "none") && in >> n) ticks += n;
    return {ticks - 1, without};
}
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
    std::map<std::string, DemoHeader> solutions = solutionHeaders(gameDir);
    ASSERT_FALSE(solutions.empty());
    for (const StageRef& s : stages) {
        auto found = solutions.find(upper(s.map));
        ASSERT_NE(found, solutions.end()) << "no solution demo for " << s.map;
        EXPECT_EQ(found->second.died, 0) << s.map;
        EXPECT_EQ(found->second.cups, 1) << s.map;
        EXPECT_EQ(parTimes.of(s.map), clearTickOfText(found->second.clearTime)) << s.map;
        EXPECT_GE(parTimes.of(s.map), 0) << s.map;
    }
}

TEST_F(ShippedStages, GoldMarksTheWayWithoutFloodingTheGame) {
    int mainSet = 0;
    for (const StageRef& s : stages) {
        MapFile map = readBuiltMap(s.map);
        int gold = 0;
        for (const MapBlockRecord& b : map.blocks)
            gold += b.bonusCode == 1;
        EXPECT_GE(gold, 10) << s.map;
        if (s.set == "DEFAULT.STG") mainSet += gold;
    }
    // Some 25 extra lives at most, against a start of 3.
    EXPECT_LE(mainSet, 700);
}

TEST_F(ShippedStages, EachClockIsTheSmallestStepOverTwoAndAHalfClears) {
    std::map<std::string, DemoHeader> solutions = solutionHeaders(gameDir);
    for (const StageRef& s : stages) {
        auto found = solutions.find(upper(s.map));
        ASSERT_NE(found, solutions.end()) << s.map;
        double wanted = 2.5 * clearSeconds(found->second);
        int32_t limit = mapTimeLimit(readBuiltMap(s.map).timeCode);
        EXPECT_GE(limit, wanted) << s.map;
        EXPECT_TRUE(limit == 30 || limit - 30 < wanted) << s.map << ": " << limit << " s";
    }
}

TEST_F(ShippedStages, CupsAskForADetourOrARisk) {
    int floating = 0;
    for (const StageRef& s : stages) {
        MapFile map = readBuiltMap(s.map);
        std::vector<const MapBlockRecord*> cups;
        for (const MapBlockRecord& b : map.blocks)
            if (b.bonusCode >= 2) cups.push_back(&b);
        ASSERT_EQ(cups.size(), 1u) << s.map;
        // The cup shows on top of its block.
        int32_t x = cups[0]->cellX, y = cups[0]->cellY - 1;
        auto near = [&](int32_t cx, int32_t cy) {
            return std::abs(cx - x) <= 2 && std::abs(cy - y) <= 2;
        };
        bool risky = false;
        for (const MapBlockRecord& b : map.blocks)
            risky = risky || (b.solid && b.type == blockHurt && near(b.cellX, b.cellY));
        for (const MapEnemyRecord& e : map.enemies)
            risky = risky || near(e.cellX, e.cellY - 2);
        auto [with, without] = ticksWithAndWithoutCup(s.map);
        EXPECT_TRUE(risky || (without >= 0 && with - without >= 120))
            << s.map << ": the cup costs " << (with - without) / 60.0 << " s and lies in no danger";
        // Floating over a bounce block: the first solid block under it bounces.
        if (!cups[0]->solid) {
            const MapBlockRecord* below = nullptr;
            for (const MapBlockRecord& b : map.blocks)
                if (b.solid && b.cellX == x && b.cellY > y + 1 &&
                    (!below || b.cellY < below->cellY))
                    below = &b;
            floating += below && below->type == blockBounce;
        }
    }
    EXPECT_LE(floating * 4, (int)stages.size()) << floating << " cups float over bounce blocks";
}

TEST_F(ShippedStages, SecretsHideBehindCrackedWalls) {
    int withSecrets = 0;
    for (const StageRef& s : stages) {
        MapFile map = readBuiltMap(s.map);
        withSecrets +=
            std::any_of(map.blocks.begin(), map.blocks.end(), [](const MapBlockRecord& b) {
                return !b.solid && b.tileIndex == tileCrack;
            });
    }
    EXPECT_GE(withSecrets, 8);
}

TEST_F(ShippedStages, NoTwoStagesShareMuchOfTheirLayout) {
    std::vector<std::set<std::string>> windows;
    for (const StageRef& s : stages)
        windows.push_back(layoutWindows(readBuiltMap(s.map)));
    for (size_t a = 0; a < stages.size(); ++a)
        for (size_t b = 0; b < stages.size(); ++b) {
            if (a == b || windows[a].empty()) continue;
            size_t shared = 0;
            for (const std::string& w : windows[a])
                shared += windows[b].count(w);
            EXPECT_LT((double)shared / (double)windows[a].size(), 0.4)
                << stages[a].map << " shares its layout with " << stages[b].map;
        }
}
