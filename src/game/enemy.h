#pragma once

#include "game/actor.h"

#include <cstdint>

// An enemy placed by the map: 0 bounces the ball, 1 hurts it, 2 pushes it.
class Enemy : public Actor {
public:
    int32_t startDirection = 0;
    int32_t startX = 0;
    int32_t startY = 0;
    int32_t kind = 0;
};
