#pragma once

#include <cstdint>

// Sparks and debris: 2 by 2 single-colour dots flying in straight lines bent by a
// constant acceleration, in one fixed pool that never allocates.
struct Particle {
    float x = 0;
    float y = 0;
    float vx = 0;
    float vy = 0;
    float accelY = 0;
    float accelX = 0;
    int32_t colour = 0;
    int32_t life = 0;
    bool active = false;
};

constexpr int particleCount = 250;
extern Particle particles[particleCount];

// Takes the first free slot; when every slot is busy the particle is dropped.
void spawnParticle(int x, int y, int colour, float vx, float vy, float accelX, float accelY,
                   int life);
void spawnParticle(int x, int y, int colour, float vx, float vy, int life);
void updateParticles();
void clearParticles();
// Paints the active particles into the back buffer, relative to the camera.
void drawParticles();
