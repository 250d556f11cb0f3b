#pragma once

#include "level/actor.h"
#include "level/map.h"

// How the moving bodies of a stage (the ball and the enemies) move and meet the
// map: pixel by pixel, every step tested against the blocks' rectangles. Steps
// that nothing lies in the way of are taken without their tests, which would
// find nothing; the positions they pass through are the same.
//
// Units: world pixels, y downwards; speeds in pixels per tick. Positions and
// speeds are 32-bit floats and are truncated towards zero where whole pixels are
// needed.

// Friction taken off a rolling body's speed each tick.
constexpr float friction = 0.1f;

// The closed intervals [ax, ax + aw] and [bx, bx + bw] meet, and likewise on y:
// touching edges count.
inline bool rectsOverlap(int ax, int ay, int aw, int ah, int bx, int by, int bw, int bh) {
    return ax <= bx + bw && bx <= ax + aw && ay <= by + bh && by <= ay + ah;
}

// The rectangle of a body (an offset from its position) in world pixels.
inline void worldRect(const Rect& rect, const Actor& actor, int& x, int& y) {
    x = (int)(actor.x + (float)rect.x);
    y = (int)(actor.y + (float)rect.y);
}

// A body with this x stands at a side edge of the world, which blocks it.
inline bool atWorldEdge(float x) {
    return x <= -8.0f || x > (float)(currentMap.width * 16 - 8);
}

enum ThrustDirection { thrustLeft = -1, thrustRight = 1 };
// Adds the body's acceleration in a direction, capped at its top speed.
void thrust(Actor& actor, int direction);

// Each tests the body's rectangle against every enabled block (the solid or the
// surface rectangle), applies the effect of each block it meets, and for the
// ball also picks up treasures and meets enemies. True when blocked: a block
// was met, or the body stands at a side edge of the world.
bool probeSolid(const Rect& rect, Actor& actor);
bool probeSurface(const Rect& rect, Actor& actor);

// One tick of a body: think, animate, fall or rise or find the floor, roll with
// friction, then its after-move step. Nothing when the body is not active.
void updateActor(Actor& actor);

// Kills a body: the ball's death or the generic one of an enemy.
void killActor(Actor& actor);

// Test every block of the map in each probe, as the rules read literally,
// instead of asking the map's index; both give the same play.
extern bool bruteForceCollision;
// Test every one-pixel step, as the rules read literally, instead of taking the
// steps that meet nothing without their tests; both give the same play.
extern bool literalStepping;
