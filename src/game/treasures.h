#pragma once

#include "level/actor.h"

// Picks up every lying treasure the ball's hull meets: gold (every 25th gives a
// life) and cups. From every probe of the ball, dead or alive.
void pickBonuses(Actor& ball);
