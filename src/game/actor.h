#pragma once

#include "level/animation.h"

#include <cstdint>

// A collision rectangle: absolute for blocks, an offset from the position for
// moving bodies.
struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool enabled = true;
};

// A moving body of a stage: the ball or an enemy.
class Actor {
public:
    virtual ~Actor() = default;

    // What happens when the body is killed, after each move, and each tick before
    // it moves. The gameplay classes fill these in.
    virtual void die() {}
    virtual void afterMove() {}
    virtual void think() {}

    AnimationPlayer sprite;
    float x = 0;
    float y = 0;
    bool falling = false;
    bool rising = false;
    bool onGround = false;
    float fallSpeed = 0;
    float maxFallSpeed = 0;
    float riseSpeed = 0;
    float velocityX = 0;
    float acceleration = 0;
    float maxSpeed = 0;
    bool active = false;
    Rect bodyBox;
    Rect feetProbe;
    Rect hullBox;
    int32_t direction = 0;
    int32_t lastMarker = 0;
    int32_t jumpStrength = 0;
    int32_t jumper = 0;
};
