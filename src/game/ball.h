#pragma once

#include "level/actor.h"

// The player's ball: one body for the whole program.
extern Actor ball;

// Sequences of the ball's animation.
enum BallSequence {
    ballRestSequence = 0,
    ballRollSequence = 1,
    ballLandingSequence = 2,
    ballMidAirSequence = 3,
    ballFastAirSequence = 4
};

// The ball's fixed make-up, given at the start of every run: its probes, thrust
// 0.8, top speed 2.0, fall speed at most 28.0.
void giveBallItsProperties();
// Still, neither rising nor falling, its sprite back at rest facing right.
void resetBall();
// Chooses the animation (when the player has the animated ball switched on).
void ballThink();
// Cheering bouncers, the death sound, a burst of pieces; the run starts dying.
void ballDie();
