#pragma once

#include "level/actor.h"

// Steps that nothing lies in the way of. A probe that meets no block, no world
// edge and (the ball's) no treasure lying and no enemy has no effect and finds
// nothing blocking; so a run of one-pixel steps whose probes would all meet
// nothing can be taken without them, and play is the same to the last bit.

// Of the body's next `count` steps of `step` pixels (+1 or -1) along y
// (`vertical`) or x, takes those from the first that would meet nothing, and
// says how many: each tested with `rect` against the blocks' solid or surface
// rectangles (or both), and for the ball also with its hull against the
// treasures and the enemies. What it learns of the map goes to the body's memo.
int takeFreeSteps(Actor& actor, bool vertical, float step, int count, const Rect& rect, bool solid,
                  bool surface);
