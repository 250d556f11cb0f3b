// The ball on a stage built as text: rolling, friction, walls, bounces,
// teleports, treasures and the two deaths nobody causes.
#include "game/stage_fixture.h"

namespace {
// 30 cells wide, the floor in row 11; the ball starts above it.
StageText flat(const std::string& floor = floorRow(30)) {
    StageText s = flooredStage(30, 12, 2);
    s.rows.back() = floor;
    return s;
}
} // namespace

class BallPhysics : public StageTest {
protected:
    void settleBall() {
        for (int i = 0; i < 10 && !ball.onGround; ++i)
            tick();
    }
};

TEST_F(BallPhysics, RollsTwoPixelsATickAtFullSpeedAndCoastsToAStop) {
    start(flat());
    settleBall();
    ASSERT_TRUE(ball.onGround);
    EXPECT_EQ(ball.y, 16.0f * 11 - 15); // resting on the floor's surface
    float x = ball.x;
    // One tick of thrust from rest: speed 0.8, no pixel, friction leaves 0.7.
    std::vector<float> moved, speeds;
    for (int i = 0; i < 4; ++i) {
        tick({Key::Right});
        moved.push_back(ball.x - x);
        speeds.push_back(ball.velocityX);
        x = ball.x;
    }
    EXPECT_EQ(moved, (std::vector<float>{0, 1, 2, 2}));
    EXPECT_EQ(speeds, (std::vector<float>{0.699999988f, 1.39999998f, 1.89999998f, 1.89999998f}));
    // Released, it rolls a pixel a tick until the speed drops below 1.0, which
    // float arithmetic makes one tick early: 9 pixels, still in 19 ticks.
    float released = ball.x;
    int stillAfter = 0;
    for (int i = 1; i <= 25 && !stillAfter; ++i) {
        tick();
        if (ball.velocityX == 0) stillAfter = i;
    }
    EXPECT_EQ(ball.x - released, 9.0f);
    EXPECT_EQ(stillAfter, 19);
    // Holding both an arrow and the action button steers nothing.
    tick({Key::Left, Key::Return});
    EXPECT_EQ(ball.velocityX, 0.0f);
}

TEST_F(BallPhysics, AWallUndoesThePixelThatOverlappedAndStopsTheBall) {
    StageText s = flat();
    s.rows[10][6] = '#'; // a wall in column 6, x 96
    start(s);
    settleBall();
    ticksOf(40, {Key::Right});
    // The hull is 15 wide: touching at x + 15 = 96 counts, so it stops one short.
    EXPECT_EQ(ball.x, 80.0f);
    // Pushing on, thrust builds from 0 to a whole pixel, which the wall undoes.
    float speed = ball.velocityX == 0 ? 0.699999988f : 0.0f;
    for (int i = 0; i < 4; ++i) {
        tick({Key::Right});
        EXPECT_EQ(ball.x, 80.0f);
        EXPECT_EQ(ball.velocityX, speed);
        speed = speed == 0 ? 0.699999988f : 0.0f;
    }
}

TEST_F(BallPhysics, BounceBlocksThrowTheBallUpFromAboveAndFromTheSide) {
    StageText s = flat();
    s.rows[11][2] = '^'; // under the start
    s.rise = 8;
    start(s);
    float lowest = ball.y, highest = ball.y;
    bool rose = false;
    for (int i = 0; i < 60; ++i) {
        tick();
        rose = rose || ball.rising;
        lowest = std::max(lowest, ball.y);
        highest = std::min(highest, ball.y);
    }
    EXPECT_TRUE(rose);
    // A rise speed of 8 climbs 65 pixels, from where the ball met the block.
    EXPECT_EQ(lowest - highest, 65.0f);

    // From the side: rolling into a bounce block standing on the floor.
    StageText side = flat();
    side.rows[10][8] = '^';
    start(side);
    settleBall();
    bool bounced = false;
    for (int i = 0; i < 60 && !bounced; ++i) {
        tick({Key::Right});
        bounced = ball.rising;
    }
    EXPECT_TRUE(bounced);
    EXPECT_EQ(ball.riseSpeed, 8.0f); // the block's rise, set in the step that met it
}

TEST_F(BallPhysics, TeleportPlacesTheBallWithNoSpeedAndItFallsFromThere) {
    StageText s = flat();
    s.rows[10][5] = 'T';
    s.teleportX = 300;
    s.teleportY = 40;
    start(s);
    settleBall();
    bool moved = false;
    for (int i = 0; i < 40 && !moved; ++i) {
        tick({Key::Right});
        moved = ball.y < 100;
    }
    ASSERT_TRUE(moved);
    // Met in the horizontal step: that step is blocked, and undone at the new
    // place, a pixel back from the target.
    EXPECT_EQ(ball.x, 299.0f);
    EXPECT_EQ(ball.y, 40.0f);
    EXPECT_EQ(ball.velocityX, 0.0f);
    ticksOf(30);
    EXPECT_TRUE(ball.onGround);
    EXPECT_EQ(ball.y, 16.0f * 11 - 15);
    EXPECT_EQ(currentMap.cameraX, 299 - 160);
}

TEST_F(BallPhysics, TheTwentyFifthGoldGivesALifeAndCupsCountApart) {
    StageText s = flat(std::string(4, '#') + std::string(25, 'g') + "c");
    start(s, false);
    settleBall();
    ticksOf(400, {Key::Right});
    EXPECT_EQ(playRecord.gold, 0);
    EXPECT_EQ(playRecord.lives, 4);
    EXPECT_EQ(playRecord.goldThisStage, 25);
    EXPECT_EQ(playRecord.cups, 1);
    EXPECT_TRUE(playRecord.cupThisStage);
    EXPECT_EQ(playRecord.treasuresThisStage, 26);
    for (int32_t i = 0; i < currentMap.bonusCount; ++i)
        EXPECT_FALSE(currentMap.bonuses[i].active);
}

TEST_F(BallPhysics, FallingOutOfTheMapAndHurtBlocksKillAndCountAsOtherDeaths) {
    StageText s = flat(std::string(5, '#') + std::string(25, '.'));
    start(s, false);
    recordStats = true;
    int died = 0;
    for (int i = 0; i < 200 && !died; ++i)
        if (tick({Key::Right}) == TickOutcome::Continue && playState.state == Dying) died = i;
    ASSERT_GT(died, 0);
    EXPECT_FALSE(ball.active);
    EXPECT_GT(ball.y, 16.0f * 12);
    EXPECT_EQ(statistics.livesLost, 1);
    EXPECT_EQ(statistics.deathsByOther, 1);

    StageText hurt = flat();
    hurt.rows[10][6] = 'X';
    start(hurt, false);
    ticksOf(60, {Key::Right});
    EXPECT_EQ(playState.state, Dying);
    EXPECT_EQ(statistics.deathsByOther, 2);
    // A watched demo counts nothing.
    start(hurt, true, DemoMode::Playback);
    recordStats = false;
    for (int t = 0; t < 60; ++t)
        demoSteering[t] = steerRight;
    ticksOf(60);
    EXPECT_EQ(playState.state, Dying);
    EXPECT_EQ(statistics.livesLost, 2);
}

TEST_F(BallPhysics, TheCountdownHurriesAtTenSecondsAndKillsAtZeroOnce) {
    StageText s = flat();
    s.timeCode = -2; // 30 seconds
    start(s, false);
    recordStats = true;
    EXPECT_EQ(playRecord.timeLeft, 30);
    ticksOf(20 * 60 - 1);
    EXPECT_FALSE(playState.hurryUp);
    tick();
    EXPECT_EQ(playRecord.timeLeft, 10);
    EXPECT_TRUE(playState.hurryUp);
    ticksOf(10 * 60);
    EXPECT_EQ(playRecord.timeLeft, 0);
    EXPECT_EQ(playState.state, Dying);
    EXPECT_FALSE(playState.hurryUp);
    EXPECT_EQ(statistics.deathsByTime, 1);
    EXPECT_EQ(statistics.livesLost, 1);
    EXPECT_EQ(statistics.gameSeconds, 30);
    // Dying stops the countdown; 100 ticks later the stage starts over, full
    // time, one life less, no intro.
    ticksOf(100);
    EXPECT_EQ(playRecord.lives, 2);
    EXPECT_EQ(playRecord.timeLeft, 30);
    EXPECT_EQ(playState.state, Playing);
    EXPECT_TRUE(ball.active);
    EXPECT_EQ(statistics.livesLost, 1);
}
