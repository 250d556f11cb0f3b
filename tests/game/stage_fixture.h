#pragma once

// A stage drawn as text in a temporary game folder, played tick by tick through
// the real game loop, headless.
//
//   #  plain solid block        -  passable block (does nothing at all)
//   ^  bounce block (rise)      X  hurt block
//   G  goal                     T  teleport (to teleportX, teleportY pixels)
//   m  turn marker (solid)      g  solid block with gold on it
//   c  solid block with a cup   .  nothing

#include "game/ball.h"
#include "game/demo.h"
#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/graphics.h"
#include "level/level_files.h"
#include "level/map.h"
#include "level/teardown.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/quit_request.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "support/stage_files.h"
#include "support/test_env.h"
#include "text/text_utils.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

struct StageText {
    std::vector<std::string> rows;
    int startX = 16, startY = 0; // pixels
    int timeCode = 1;
    int rise = 8;
    int teleportX = 0, teleportY = 0;
    std::vector<MapEnemyRecord> enemies;

    MapSpec spec() const {
        MapSpec m;
        m.width = rows.empty() ? 20 : (int)rows[0].size();
        m.height = (int)rows.size();
        m.startX = startX;
        m.startY = startY;
        m.timeCode = timeCode;
        m.tilesetFile = "TEST.TLS";
        for (int y = 0; y < (int)rows.size(); ++y)
            for (int x = 0; x < (int)rows[y].size(); ++x) {
                MapBlockRecord b;
                b.cellX = x;
                b.cellY = y;
                char c = rows[y][(size_t)x];
                if (c == '-')
                    b.solid = 0;
                else if (c == '^')
                    b.type = blockBounce, b.param1 = rise;
                else if (c == 'X')
                    b.type = blockHurt;
                else if (c == 'G')
                    b.type = blockGoal;
                else if (c == 'T')
                    b.type = blockTeleport, b.param1 = teleportX, b.param2 = teleportY;
                else if (c == 'm')
                    b.type = blockTurnMarker;
                else if (c == 'g')
                    b.bonusCode = 1;
                else if (c == 'c')
                    b.bonusCode = 2;
                else if (c != '#')
                    continue;
                m.blocks.push_back(b);
            }
        m.enemies = enemies;
        return m;
    }
};

// An enemy standing in cell (x, y), as the map file counts it (two rows lower).
inline MapEnemyRecord enemyAt(int x, int y, int kind, int direction = 0, int speed = 100,
                              int accel = 20, int jump = 0) {
    return {x, y + 2, accel, jump, 0, 0, jump > 0 ? 1 : 0, kind, speed, direction, 800};
}

class StageTest : public LevelTest {
protected:
    void SetUp() override {
        LevelTest::SetUp();
        writeStageResources();
        statistics = Statistics();
        settings = Settings();
        playRecord = PlayRecord();
        playState = PlayState();
        clearQuitRequest();
    }
    void TearDown() override {
        setFrameHook(nullptr);
        setTickHook(nullptr);
        stopGameTimer();
        releaseSimulatedKeys();
        clearQuitRequest();
        LevelTest::TearDown();
    }

    // Loads the stage and starts a run of the given kind, ready to tick.
    void start(const StageText& stage, bool singleStage = true, DemoMode mode = DemoMode::None) {
        writeFileBytes("DATA/T.MAP", stage.spec().bytes().data());
        playMode = {singleStage, mode, true};
        playRecord.stageIndex = 0;
        copyText(currentMapFile, "T.MAP", mapFileCapacity);
        ASSERT_TRUE(startStage());
        run.begin();
        // Sub-screens (fades, prompts) run on the clock: one tick per frame; one
        // that waits for ever is made to leave, and the test fails.
        int frames = 0;
        setFrameHook([frames]() mutable {
            gameTicks += 1;
            if (++frames > 100000) requestQuit();
        });
        startGameTimer(ticksPerSecond);
    }

    // One logic step with the given keys held.
    TickOutcome tick(std::initializer_list<Key> keys = {}) {
        releaseSimulatedKeys();
        for (Key k : keys)
            simulateKey(k, true);
        gameTicks = 1;
        TickOutcome outcome = run.tick();
        ++ticks;
        return outcome;
    }
    // Ticks until the outcome is not Continue or `limit` ticks have run.
    TickOutcome ticksOf(int count, std::initializer_list<Key> keys = {}) {
        TickOutcome outcome = TickOutcome::Continue;
        for (int i = 0; i < count && outcome == TickOutcome::Continue; ++i)
            outcome = tick(keys);
        return outcome;
    }
    // Past the intro, so that play has its normal state.
    void skipIntro() {
        while (playState.state == Intro)
            tick();
    }

    PlayRun run;
    int ticks = 0;
};

// A floor row of `width` solid blocks.
inline std::string floorRow(int width, char c = '#') {
    return std::string((size_t)width, c);
}
inline std::string emptyRow(int width) {
    return std::string((size_t)width, '.');
}
// `width` by `height` cells, a floor in the last row and the ball standing on
// it in column `startColumn`.
inline StageText flooredStage(int width, int height, int startColumn) {
    StageText s;
    s.rows.assign((size_t)height - 1, emptyRow(width));
    s.rows.push_back(floorRow(width));
    s.startX = 16 * startColumn;
    s.startY = 16 * (height - 2);
    return s;
}
// 20 by 15 cells, the ball at the left and the goal `goalColumn` cells in.
inline StageText corridor(int goalColumn = 8) {
    StageText s = flooredStage(20, 15, 1);
    s.rows[13][(size_t)goalColumn] = 'G';
    return s;
}
