#include "game/actor_physics.h"

#include "game/ball.h"
#include "game/block_effects.h"
#include "game/enemies.h"
#include "game/footing.h"
#include "game/free_steps.h"
#include "game/treasures.h"
#include "level/map.h"
#include "level/map_format.h"
#include "level/play_shown.h"

#include <vector>

bool bruteForceCollision = false;
bool literalStepping = false;

namespace {
bool isBall(const Actor& actor) {
    return actor.role == ActorRole::Ball;
}

bool atWorldEdge(const Actor& actor) {
    return ::atWorldEdge(actor.x);
}

IndexBox boxOf(const Rect& r) {
    return {r.x, r.y, r.x + r.width, r.y + r.height};
}

// The blocks from `next` on that a probe meets and that act on the body,
// ascending. A probe meets a few at most; a crowd of overlapping blocks spills
// into the heap.
class Touches {
public:
    void add(int32_t i) {
        if (count == inPlace) many.assign(few, few + inPlace);
        if (count >= inPlace)
            many.push_back(i);
        else
            few[count] = i;
        ++count;
    }
    void sort() {
        int32_t* first = data();
        for (int32_t i = 1; i < count; ++i) {
            int32_t v = first[i], j = i;
            for (; j > 0 && first[j - 1] > v; --j)
                first[j] = first[j - 1];
            first[j] = v;
        }
    }
    int32_t* data() { return count > inPlace ? many.data() : few; }
    int32_t size() const { return count; }

private:
    static constexpr int32_t inPlace = 8;
    int32_t few[inPlace];
    int32_t count = 0;
    std::vector<int32_t> many;
};

// Looks at every enabled block from `next` on whose solid or surface rectangle
// meets the box, through the index or, for the literal rules, among all of
// them: true when there is one; those that act go to `touches`.
bool findBlocks(const IndexBox& box, bool surface, bool ball, int32_t next, Touches& touches) {
    bool met = false;
    auto consider = [&](int32_t i, const IndexBox&) {
        const BlockData& block = currentMap.blocks[i];
        if (i < next || !block.solidRect.enabled) return;
        if (!boxesMeet(box, boxOf(surface ? block.surfaceRect : block.solidRect))) return;
        met = true;
        if (touchActs(block.type, ball)) touches.add(i);
    };
    if (bruteForceCollision) {
        for (int32_t i = 0; i < currentMap.blockCount; ++i)
            consider(i, {});
        return met;
    }
    currentMap.blockIndex.forEachMeeting(box, consider);
    touches.sort();
    return met;
}

// The blocks are touched in their order; those that do nothing need not be.
// The position is what every block is tested at: after a teleport the
// remaining blocks of the same probe are tested at the new place.
bool probeBlocks(const Rect& rect, Actor& actor, bool surface) {
    bool blocked = false;
    if (surface && !bruteForceCollision) {
        int x, y;
        worldRect(rect, actor, x, y);
        if (footingAnswers(actor, {x, y, x + rect.width, y + rect.height}, blocked)) return blocked;
    }
    for (int32_t next = 0;;) {
        Touches touches;
        int x, y;
        worldRect(rect, actor, x, y);
        IndexBox box{x, y, x + rect.width, y + rect.height};
        if (findBlocks(box, surface, isBall(actor), next, touches)) blocked = true;
        float atX = actor.x, atY = actor.y;
        bool moved = false;
        for (int32_t k = 0; k < touches.size() && !moved; ++k) {
            int32_t i = touches.data()[k];
            touchBlock(i, actor);
            moved = actor.x != atX || actor.y != atY;
            next = i + 1;
        }
        if (!moved) return blocked;
    }
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
        if (!literalStepping) {
            i += takeFreeSteps(actor, true, 1.0f, steps - i, actor.feetProbe, false, true);
            if (i == steps) return;
        }
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
        if (!literalStepping) {
            i += takeFreeSteps(actor, true, -1.0f, steps - i, actor.hullBox, true, false);
            if (i == steps) return;
        }
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
        if (!literalStepping) {
            i += takeFreeSteps(actor, false, direction, steps - i, actor.hullBox, true, true);
            if (i == steps) return;
        }
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
    if (playShown) actor.sprite.update();
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
