#pragma once

// The moving parts of the outro, one logic step at a time: the sun and its
// reflection drifting in along the horizon, the cliff sliding in, the credits
// rolling up while the scene fades to black, and the closing line.

enum class OutroPhase { Wait, SunRise, CliffIn, Fading, Idle, ThankYou };

// Screen positions in pixels.
constexpr float outroHorizon = 176.0f;
constexpr int outroWaveWidth = 98;
constexpr int outroWaveHeight = 65;

struct OutroScene {
    // Places everything at its start; the sun starts just left of the screen,
    // and the cliff stops once all of it is in view.
    void start(int sunWidth, int cliffWidth);
    // One logic step; true once the outro is over (ESC, or six seconds of
    // the closing line).
    bool step(bool escapeDown);

    OutroPhase phase = OutroPhase::Wait;
    int counter = 0;
    float sunX = 0;
    float waveX = 0;
    float cliffX = 0;
    float cliffStop = 0;
    float creditsY = 0;
    float fade = 0;
    bool creditsMoving = false;
    bool fadeStarted = false;
    bool closingLine = false;
};
