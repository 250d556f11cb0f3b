#include "level/particles.h"

#include "level/map.h"
#include "level/play_shown.h"
#include "platform/display.h"

Particle particles[particleCount];

void spawnParticle(int x, int y, int colour, float vx, float vy, float accelX, float accelY,
                   int life) {
    if (!playShown) return;
    for (Particle& p : particles) {
        if (p.active) continue;
        // A particle never stands still on an axis at birth.
        p.vx = vx == 0.0f ? 1.0f : vx;
        p.vy = vy == 0.0f ? 1.0f : vy;
        p.x = (float)x;
        p.y = (float)y;
        p.colour = colour;
        p.accelX = accelX;
        p.accelY = accelY;
        p.life = life;
        p.active = true;
        return;
    }
}

void spawnParticle(int x, int y, int colour, float vx, float vy, int life) {
    spawnParticle(x, y, colour, vx, vy, 0.0f, 0.0f, life);
}

void updateParticles() {
    for (Particle& p : particles) {
        if (!p.active) continue;
        p.life -= 1;
        if (p.life <= 0) p.active = false; // the rest of this step still applies
        p.x += p.vx;
        p.y += p.vy;
        p.vx += p.accelX;
        p.vy += p.accelY;
    }
}

void clearParticles() {
    for (Particle& p : particles)
        p.active = false;
}

void drawParticles() {
    if (!backBuffer) return;
    for (const Particle& p : particles) {
        if (!p.active) continue;
        float sx = p.x - (float)currentMap.cameraX;
        float sy = p.y - (float)currentMap.cameraY;
        // Each corner is truncated on its own, as the pixels are addressed.
        setPixel(backBuffer, (int)sx, (int)(sy + 1), p.colour);
        setPixel(backBuffer, (int)(sx + 1), (int)sy, p.colour);
        setPixel(backBuffer, (int)(sx + 1), (int)(sy + 1), p.colour);
        setPixel(backBuffer, (int)sx, (int)sy, p.colour);
    }
}
