#include "game/ball.h"

#include "game/play_records.h"
#include "level/graphics.h"
#include "level/map.h"
#include "level/map_format.h"
#include "level/particles.h"
#include "level/play_shown.h"
#include "platform/display.h"
#include "progress/settings.h"
#include "text/text_utils.h"
#include "ui/sound_table.h"

Actor ball;

namespace {
// The sprite sheet's second row shows the ball facing left.
constexpr int facingLeftRow = 16;

int airSequence(float speed) {
    return speed >= 8.0f   ? ballFastAirSequence
           : speed >= 3.0f ? ballMidAirSequence
                           : ballRestSequence;
}

bool rollingFast(float velocityX) {
    return velocityX <= -2.0f || velocityX >= 2.0f;
}
} // namespace

void giveBallItsProperties() {
    ball.feetProbe = {0, 14, 15, 1, true};
    ball.hullBox = {0, 0, 15, 14, true};
    ball.bodyBox = {4, 4, 8, 10, true};
    ball.acceleration = 0.8f;
    ball.maxSpeed = 2.0f;
    ball.maxFallSpeed = 28.0f;
}

void resetBall() {
    ball.fallSpeed = 0;
    ball.riseSpeed = 0;
    ball.velocityX = 0;
    ball.rising = false;
    ball.falling = false;
    ball.sprite.setup(&ballAnimation, &ballSheet, &backBuffer, 16, 16);
    ball.sprite.play(ballRestSequence);
    ball.sprite.sourceY = 0;
}

void ballThink() {
    AnimationPlayer& sprite = ball.sprite;
    if (!settings.animateTumblo) {
        sprite.play(ballRestSequence);
        return;
    }
    sprite.sourceY = ball.velocityX < 0 ? facingLeftRow : 0;
    if (ball.rising) {
        if (rollingFast(ball.velocityX)) {
            sprite.play(ballRollSequence);
            return;
        }
        if (ball.velocityX == 0) {
            sprite.play(airSequence(ball.riseSpeed));
            return;
        }
    }
    if (ball.falling) {
        sprite.play(airSequence(ball.fallSpeed));
        return;
    }
    if (ball.rising) return; // rising slowly sideways keeps its sequence
    if (rollingFast(ball.velocityX))
        sprite.play(ballRollSequence);
    else if (sprite.sequence != ballLandingSequence)
        sprite.play(ballRestSequence);
}

void ballDie() {
    for (int32_t i = 0; i < enemyCount; ++i)
        if (enemies[i].active && enemies[i].kind == enemyBouncer) enemies[i].sprite.play(2);
    sfxDie.play();
    int magenta = colourOf(255, 0, 255);
    for (int i = 0; playShown && i < 100; ++i)
        spawnParticle(randomBetween((int)ball.x, (int)ball.x + 16),
                      randomBetween((int)ball.y, (int)ball.y + 16), magenta,
                      (float)randomBetween(-5, 5), (float)-randomBetween(1, 5), 0.0f,
                      (float)randomBetween(10, 100) * 0.01f, 60);
    ball.active = false;
    setPlayState(Dying);
}
