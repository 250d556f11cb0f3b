#include "game/actor_physics.h"

#include "game/ball.h"
#include "game/block_effects.h"
#include "game/enemies.h"
#include "game/treasures.h"
#include "level/map.h"

#include <vector>

bool bruteForceCollision = false;

namespace {
bool isBall(const Actor& actor) {
    return actor.role == ActorRole::Ball;
}

bool atWorldEdge(const Actor& actor) {
    return actor.x <= -8.0f || actor.x > (float)(currentMap.width * 16 - 8);
}

bool meets(const Rect& probe, const Actor& actor, const Rect& block) {
    int x, y;
    worldRect(probe, actor, x, y);
    return rectsOverlap(x, y, probe.width, probe.height, block.x, block.y, block.width,
                        block.height);
}

// The position is read afresh for every block: after a teleport the remaining
// blocks of the same probe are tested at the new place.
bool probeBlocks(const Rect& rect, Actor& actor, bool surface) {
    bool blocked = false;
    if (bruteForceCollision) {
        for (int32_t i = 0; i < currentMap.blockCount; ++i) {
            const BlockData& block = currentMap.blocks[i];
            if (!block.solidRect.enabled) continue;
            if (meets(rect, actor, surface ? block.surfaceRect : block.solidRect)) {
                touchBlock(i, actor);
                blocked = true;
            }
        }
        return blocked;
    }
    // Candidates near the probe, in block order; a teleport asks again at the
    // new place for the blocks after the one that moved the body. Probes nest
    // (a push probes again), so each depth keeps its own list.
    static std::vector<std::vector<int32_t>> lists;
    static size_t depth = 0;
    if (lists.size() <= depth) lists.resize(depth + 1);
    std::vector<int32_t> local;
    local.swap(lists[depth]);
    ++depth;
    int32_t next = 0;
    for (;;) {
        int x, y;
        worldRect(rect, actor, x, y);
        currentMap.blockIndex.query({x, y, x + rect.width, y + rect.height}, local);
        float atX = actor.x, atY = actor.y;
        bool moved = false;
        for (int32_t i : local) {
            if (i < next) continue;
            const BlockData& block = currentMap.blocks[i];
            if (!block.solidRect.enabled) continue;
            if (!meets(rect, actor, surface ? block.surfaceRect : block.solidRect)) continue;
            touchBlock(i, actor);
            blocked = true;
            if (actor.x != atX || actor.y != atY) {
                next = i + 1;
                moved = true;
                break;
            }
        }
        if (!moved) break;
    }
    --depth;
    local.swap(lists[depth]);
    return blocked;
}

bool probe(const Rect& rect, Actor& actor, bool surface) {
    bool blocked = atWorldEdge(actor); // the blocks are still tested
    if (probeBlocks(rect, actor, surface)) blocked = true;
    if (isBall(actor)) {
        pickBonuses(actor);
        touchEnemies(actor);
    }
    return blocked;
}

void think(Actor& actor) {
    if (isBall(actor)) ballThink();
}

void afterMove(Actor& actor) {
    // Only enemies are made with the enemy role, so this is one of them.
    if (actor.role == ActorRole::Enemy) enemyAfterMove(static_cast<Enemy&>(actor));
}

// Lands on the first surface met on the way down.
void fallStep(Actor& actor) {
    actor.fallSpeed += currentMap.gravity;
    if (actor.fallSpeed > actor.maxFallSpeed) actor.fallSpeed = actor.maxFallSpeed;
    // The count is taken once; a bounce met on the way (an enemy's, which does
    // not block) clears `falling` but the steps already decided go on.
    int steps = (int)actor.fallSpeed;
    for (int i = 0; i < steps; ++i) {
        actor.y += 1.0f;
        if (!probeSurface(actor.feetProbe, actor)) continue;
        if (probeSolid(actor.hullBox, actor) || probeSolid(actor.feetProbe, actor)) actor.y -= 1.0f;
        if (isBall(actor)) actor.sprite.play(ballLandingSequence);
        actor.fallSpeed = 0;
        actor.falling = false;
        actor.onGround = true;
        return;
    }
}

// Climbs until the speed is spent or a ceiling is met.
void riseStep(Actor& actor) {
    actor.riseSpeed -= currentMap.gravity;
    if (actor.riseSpeed < 0) actor.rising = false; // the step below still runs
    int steps = (int)actor.riseSpeed;              // below 1: no step
    for (int i = 0; i < steps; ++i) {
        actor.y -= 1.0f;
        if (!probeSolid(actor.hullBox, actor)) continue;
        actor.y += 1.0f;
        actor.rising = false;
        actor.riseSpeed = 0;
        actor.falling = true;
        actor.fallSpeed = 1.0f;
        return;
    }
}

// Whole pixels only; fractions are never carried over. Count and direction are
// fixed before the loop: a push during it changes the speed, not the steps.
void horizontalStep(Actor& actor) {
    int steps = (int)actor.velocityX;
    if (steps < 0) steps = -steps;
    float direction = actor.velocityX < 0 ? -1.0f : 1.0f;
    for (int i = 0; i < steps; ++i) {
        actor.x += direction;
        if (probeSolid(actor.hullBox, actor) || probeSurface(actor.hullBox, actor)) {
            actor.x -= direction;
            actor.velocityX = 0;
            return;
        }
    }
}

void applyFriction(Actor& actor) {
    if (actor.velocityX > 0) {
        actor.velocityX -= friction;
        if (actor.velocityX < 0) actor.velocityX = 0;
    } else if (actor.velocityX < 0) {
        actor.velocityX += friction;
        if (actor.velocityX > 0) actor.velocityX = 0;
    }
}
} // namespace

void thrust(Actor& actor, int direction) {
    if (direction == thrustLeft) {
        actor.velocityX -= actor.acceleration;
        if (actor.velocityX < -actor.maxSpeed) actor.velocityX = -actor.maxSpeed;
    } else {
        actor.velocityX += actor.acceleration;
        if (actor.velocityX > actor.maxSpeed) actor.velocityX = actor.maxSpeed;
    }
}

bool probeSolid(const Rect& rect, Actor& actor) {
    return probe(rect, actor, false);
}

bool probeSurface(const Rect& rect, Actor& actor) {
    return probe(rect, actor, true);
}

// A body that dies during its own update finishes it: `active` is looked at
// only here, at the start.
void updateActor(Actor& actor) {
    if (!actor.active) return;
    think(actor);
    actor.sprite.update();
    if (actor.falling) {
        fallStep(actor);
    } else if (actor.rising) {
        riseStep(actor);
    } else if (!probeSurface(actor.feetProbe, actor)) {
        actor.onGround = false;
        actor.falling = true;
        actor.fallSpeed = 0;
    } else {
        actor.onGround = true;
    }
    if (actor.velocityX != 0) {
        horizontalStep(actor);
        applyFriction(actor);
    }
    afterMove(actor);
}

void killActor(Actor& actor) {
    if (isBall(actor))
        ballDie();
    else
        enemyDie(actor);
}
