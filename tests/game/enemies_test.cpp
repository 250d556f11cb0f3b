// The three kinds of enemy, their walking, turning and hopping, and what they
// do to the ball.
#include "game/enemies.h"
#include "game/stage_fixture.h"

namespace {
// 30 by 15 cells, floor in row 14; the ball starts in cell (2, 13).
StageText arena() {
    return flooredStage(30, 15, 2);
}

// Puts the ball with its top-left at (x, y), standing still.
void placeBall(float x, float y) {
    ball.x = x;
    ball.y = y;
    ball.velocityX = 0;
    ball.rising = ball.falling = false;
}
} // namespace

using Enemies = StageTest;

TEST_F(Enemies, WalkersTurnOnceAtEachMarkerAndHoppersHopInTheTickTheyLand) {
    StageText s = arena();
    s.rows[14][5] = 'm';
    s.rows[14][15] = 'm';
    s.startX = 27 * 16; // out of the way
    s.enemies = {enemyAt(10, 13, enemyPusher, -1), enemyAt(20, 13, enemyBouncer, 0, 100, 20, 5)};
    start(s);
    std::vector<int> directions;
    int hops = 0;
    for (int i = 0; i < 600; ++i) {
        bool wasRising = enemies[1].rising;
        tick();
        if (directions.empty() || directions.back() != enemies[0].direction)
            directions.push_back(enemies[0].direction);
        if (!wasRising && enemies[1].rising) ++hops;
        // Landing sets onGround and the after-move step hops at once.
        EXPECT_FALSE(enemies[1].onGround) << i;
    }
    // Left to the marker at column 5, right to the one at 15, left again.
    ASSERT_GE(directions.size(), 3u);
    EXPECT_EQ(std::vector<int>(directions.begin(), directions.begin() + 3),
              (std::vector<int>{-1, 1, -1}));
    EXPECT_GT(enemies[0].x, 5.0f * 16 - 16);
    EXPECT_LT(enemies[0].x, 15.0f * 16 + 16);
    EXPECT_GT(hops, 10);
    EXPECT_EQ(enemies[1].x, 20.0f * 16); // no direction: it hops on the spot
}

TEST_F(Enemies, EachKindActsOnTheBallWhenTheirHullsMeet) {
    StageText s = arena();
    s.startX = 27 * 16;
    s.enemies = {enemyAt(8, 13, enemyBouncer), enemyAt(14, 13, enemyHurter),
                 enemyAt(20, 13, enemyPusher)};
    start(s, false);
    recordStats = true;
    ticksOf(10);
    const Enemy& bouncer = enemies[0];
    const Enemy& hurter = enemies[1];
    const Enemy& pusher = enemies[2];

    // The bouncer throws the ball up with rise speed 8, whatever its fall.
    placeBall(bouncer.x + 4, bouncer.y - 10);
    ball.falling = true;
    ball.fallSpeed = 20;
    touchEnemies(ball);
    EXPECT_TRUE(ball.rising);
    EXPECT_FALSE(ball.falling);
    EXPECT_EQ(ball.riseSpeed, 8.0f);
    EXPECT_EQ(bouncer.sprite.sequence, enemyTouchSequence);

    // The hurter: hull corners meeting is not enough; the ball's body must.
    placeBall(hurter.x - 15, hurter.y - 14); // corner to corner
    touchEnemies(ball);
    EXPECT_TRUE(ball.active);
    EXPECT_EQ(statistics.deathsByHurt, 0);
    placeBall(hurter.x - 10, hurter.y);
    touchEnemies(ball);
    EXPECT_FALSE(ball.active);
    EXPECT_EQ(statistics.deathsByHurt, 1);
    EXPECT_EQ(statistics.livesLost, 1);
    EXPECT_EQ(playState.state, Dying);
    // Dead, the ball meets nothing more.
    placeBall(bouncer.x, bouncer.y);
    touchEnemies(ball);
    EXPECT_FALSE(ball.rising);

    // The pusher shoves the ball away from itself, a pixel at a time while the
    // hulls still meet, and gives it speed 4.
    ball.active = true;
    placeBall(pusher.x + 10, pusher.y);
    touchEnemies(ball);
    EXPECT_EQ(ball.velocityX, 4.0f);
    EXPECT_EQ(ball.x, pusher.x + 17); // hulls 15 and 16 wide meet up to 16 apart
    placeBall(pusher.x - 10, pusher.y);
    touchEnemies(ball);
    EXPECT_EQ(ball.velocityX, -4.0f);
    EXPECT_EQ(ball.x, pusher.x - 16);
}

TEST_F(Enemies, APushAgainstAWallGivesSpeedButNoPixelAndFacingPushersEnd) {
    StageText s = arena();
    s.rows[13][10] = '#'; // a wall at x 160
    s.startX = 27 * 16;
    s.enemies = {enemyAt(8, 13, enemyPusher), enemyAt(2, 13, enemyPusher),
                 enemyAt(3, 13, enemyPusher)};
    start(s);
    ticksOf(10);
    placeBall(144, enemies[0].y); // against the wall, overlapping the pusher
    touchEnemies(ball);
    EXPECT_EQ(ball.velocityX, 4.0f);
    EXPECT_EQ(ball.x, 144.0f);
    // Between two pushers the ball is pushed back and forth; the nesting is cut
    // off and the probe returns.
    placeBall(enemies[1].x + 8, enemies[1].y);
    touchEnemies(ball);
    EXPECT_GE(ball.x, enemies[1].x - 32);
    EXPECT_LE(ball.x, enemies[2].x + 32);
}

TEST_F(Enemies, AfterTheBallsDeathEnemiesStartOverButDeadOnesStayDead) {
    StageText s = arena();
    s.rows[13][14] = 'X'; // kills the walker that reaches it
    s.startX = 2 * 16;
    s.enemies = {enemyAt(10, 13, enemyPusher, 1), enemyAt(20, 13, enemyBouncer, 1)};
    start(s, false);
    ticksOf(300);
    EXPECT_FALSE(enemies[0].active);
    EXPECT_TRUE(enemies[1].active);
    EXPECT_GT(enemies[1].x, 25.0f * 16); // walked to the right end
    // The ball falls out of the map.
    ball.y = 16.0f * 20;
    tick();
    ASSERT_EQ(playState.state, Dying);
    ticksOf(99); // the hundredth tick of dying starts the stage over
    EXPECT_EQ(playState.state, Playing);
    EXPECT_FALSE(enemies[0].active);
    EXPECT_EQ(enemies[1].x, 20.0f * 16);
    EXPECT_EQ(enemies[1].y, 13.0f * 16);
    EXPECT_EQ(enemies[1].direction, 1);
    EXPECT_EQ(enemies[1].velocityX, 0.0f);
}
