#include "game/enemies.h"

#include "game/actor_physics.h"
#include "game/ball.h"
#include "game/play_statistics.h"
#include "level/map.h"
#include "level/map_format.h"
#include "level/particles.h"
#include "level/play_shown.h"
#include "text/text_utils.h"
#include "ui/sound_table.h"

namespace {
// Two pushers facing each other would push the ball back and forth for ever:
// each push probes the ball again, and so meets them again. Past this depth a
// probe meets no enemy.
constexpr int maxPushDepth = 32;
int pushDepth = 0;

bool hullsMeet(const Actor& ball, const Rect& ballBox, const Enemy& enemy) {
    int bx, by, ex, ey;
    worldRect(ballBox, ball, bx, by);
    worldRect(enemy.hullBox, enemy, ex, ey);
    return rectsOverlap(bx, by, ballBox.width, ballBox.height, ex, ey, enemy.hullBox.width,
                        enemy.hullBox.height);
}

// One pixel aside, undone when that runs into something solid.
void shove(Actor& ball, float step) {
    ball.x += step;
    if (probeSolid(ball.hullBox, ball)) ball.x -= step;
}
} // namespace

void enemyAfterMove(Enemy& enemy) {
    if (enemy.jumper == 1 && enemy.onGround) {
        enemy.rising = true;
        enemy.onGround = false;
        enemy.riseSpeed = (float)enemy.jumpStrength;
    }
    if (enemy.direction == -1)
        thrust(enemy, thrustLeft);
    else if (enemy.direction == 1)
        thrust(enemy, thrustRight);
}

void resetEnemy(Enemy& enemy) {
    enemy.falling = false;
    enemy.rising = false;
    enemy.x = (float)enemy.startX;
    enemy.y = (float)enemy.startY;
    enemy.velocityX = 0;
    enemy.lastMarker = 0;
    enemy.direction = enemy.startDirection;
    enemy.sprite.play(enemyWalkSequence);
}

// `active` of the ball is looked at only on entry: a ball killed by one enemy
// still meets the enemies after it.
void touchEnemies(Actor& ball) {
    if (!ball.active || pushDepth >= maxPushDepth) return;
    // The ball's hull, worked out again only when a push has moved the ball.
    int bx, by;
    float atX = ball.x, atY = ball.y;
    worldRect(ball.hullBox, ball, bx, by);
    for (int32_t i = 0; i < enemyCount; ++i) {
        Enemy& enemy = enemies[i];
        if (!enemy.active) continue;
        if (ball.x != atX || ball.y != atY) {
            atX = ball.x, atY = ball.y;
            worldRect(ball.hullBox, ball, bx, by);
        }
        int ex, ey;
        worldRect(enemy.hullBox, enemy, ex, ey);
        if (!rectsOverlap(bx, by, ball.hullBox.width, ball.hullBox.height, ex, ey,
                          enemy.hullBox.width, enemy.hullBox.height))
            continue;
        switch (enemy.kind) {
        case enemyBouncer:
            sfxJump.play();
            ball.rising = true;
            ball.falling = false;
            ball.riseSpeed = 8.0f;
            enemy.sprite.play(enemyTouchSequence);
            break;
        case enemyHurter:
            // Only a touch of the ball's body, not the corners of its hull.
            if (!hullsMeet(ball, ball.bodyBox, enemy)) break;
            countLifeLost(DeathCause::Hurt);
            killActor(ball);
            enemy.sprite.play(enemyTouchSequence);
            break;
        case enemyPusher:
            sfxJump.play();
            ++pushDepth;
            if (enemy.x < ball.x) {
                ball.velocityX = 4.0f;
                shove(ball, 1.0f);
            } else {
                ball.velocityX = -4.0f;
                shove(ball, -1.0f);
            }
            --pushDepth;
            break;
        default:
            break;
        }
    }
}

void enemyDie(Actor& actor) {
    sfxDie.play();
    int grey = colourOf(100, 100, 100);
    for (int i = 0; playShown && i < 100; ++i)
        spawnParticle(randomBetween((int)actor.x, (int)actor.x + 16),
                      randomBetween((int)actor.y, (int)actor.y + 16), grey,
                      (float)randomBetween(-5, 5), (float)-randomBetween(1, 5), 0.0f,
                      (float)randomBetween(10, 100) * 0.01f, 60);
    actor.active = false;
}
