#include "game/block_effects.h"

#include "game/actor_physics.h"
#include "game/ball.h"
#include "game/camera.h"
#include "game/play_records.h"
#include "game/play_statistics.h"
#include "game/stage_flow.h"
#include "level/map.h"
#include "level/map_format.h"
#include "level/particles.h"
#include "level/play_shown.h"
#include "text/text_utils.h"
#include "ui/sound_table.h"

namespace {
void teleportBall(const BlockData& block) {
    sfxTeleport.play();
    fadeOutWorld();
    ball.x = block.param1;
    ball.y = block.param2;
    ball.rising = false;
    ball.falling = false;
    ball.fallSpeed = 0;
    ball.riseSpeed = 0;
    ball.velocityX = 0;
    updateMap(); // the camera jumps with the ball
    sfxTeleport.play();
    fadeInWorld();
    int white = colourOf(255, 255, 255);
    for (int i = 0; playShown && i < 25; ++i)
        spawnParticle((int)(ball.x + 8.0f), (int)(ball.y + 8.0f), white,
                      (float)randomBetween(-5, 5), (float)randomBetween(-5, 5), 60);
}
} // namespace

void touchBlock(int32_t index, Actor& actor) {
    const BlockData& block = currentMap.blocks[index];
    bool isBall = actor.role == ActorRole::Ball;
    switch (block.type) {
    case blockBounce:
        sfxJump.play();
        actor.rising = true;
        actor.falling = false;
        actor.onGround = false;
        actor.riseSpeed = block.param1;
        break;
    case blockHurt:
        // Counted for whichever body touched it, enemies too.
        countLifeLost(DeathCause::Other);
        killActor(actor);
        break;
    case blockTurnMarker:
        // Once per marker: standing on it does not turn the body every tick.
        if (actor.lastMarker != index) {
            actor.lastMarker = index;
            actor.direction = -actor.direction;
        }
        break;
    case blockGoal:
        if (isBall) stageClearedFlag = true;
        break;
    case blockTeleport:
        if (isBall) teleportBall(block);
        break;
    default:
        break;
    }
}
