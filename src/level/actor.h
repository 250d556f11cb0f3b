#pragma once

#include "level/animation.h"
#include "level/map_memo.h"

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

// What a moving body is; the game's physics asks it, not the body's address,
// which of the ball's or an enemy's ways to follow.
enum class ActorRole : uint8_t { Ball, Enemy };

// A moving body of a stage, the ball or an enemy: its state only. The map loader
// places enemies; how bodies move, think and die is the game's.
struct Actor {
    explicit Actor(ActorRole role_ = ActorRole::Ball) : role(role_) {}

    ActorRole role;
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
    // Not play: what the physics learnt about the map near the body.
    MapMemo memo;
};

// An enemy placed by the map: kind 0 bounces the ball, 1 hurts it, 2 pushes it.
struct Enemy : Actor {
    Enemy() : Actor(ActorRole::Enemy) {}

    int32_t startDirection = 0;
    int32_t startX = 0;
    int32_t startY = 0;
    int32_t kind = 0;
};
