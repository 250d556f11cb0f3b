#pragma once

#include "level/actor.h"

// Enemies walk one way until a turn marker turns them, may hop whenever they
// stand, and act on the ball by their kind: a bouncer throws it up, a hurter
// kills it, a pusher shoves it aside.

// After the move: the hop, then the walking thrust.
void enemyAfterMove(Enemy& enemy);
// Back to its start after the ball died; a dead enemy stays dead.
void resetEnemy(Enemy& enemy);
// The ball meets every active enemy its hull overlaps; from every probe of the
// ball.
void touchEnemies(Actor& ball);
// The generic death: the death sound, grey pieces, inactive.
void enemyDie(Actor& actor);

// Sequences of the enemies' animations.
enum EnemySequence { enemyWalkSequence = 0, enemyTouchSequence = 1, enemyCheerSequence = 2 };
