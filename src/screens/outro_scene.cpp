#include "screens/outro_scene.h"

namespace {
constexpr int waitTicks = 240;
constexpr int closingTicks = 360;
constexpr float sunSpeed = 0.15f;
constexpr float cliffSpeed = 0.3f;
constexpr float creditsSpeed = 0.15f;
constexpr float fadeSpeed = 0.2f;
constexpr float sunRisenX = -10.0f;
constexpr float fadeStartY = 120.0f;
constexpr float creditsGoneY = -224.0f;
} // namespace

void OutroScene::start(int sunWidth, int cliffWidth) {
    *this = OutroScene();
    sunX = (float)-sunWidth;
    waveX = (float)-outroWaveWidth;
    cliffX = 320.0f;
    cliffStop = (float)(320 - cliffWidth);
    creditsY = 240.0f;
}

bool OutroScene::step(bool escapeDown) {
    bool done = false;
    switch (phase) {
    case OutroPhase::Wait:
        counter += 1;
        if (counter == waitTicks) {
            counter = 0;
            phase = OutroPhase::SunRise;
        }
        break;
    case OutroPhase::SunRise:
        sunX += sunSpeed;
        waveX += sunSpeed;
        if (!(sunX < sunRisenX)) {
            phase = OutroPhase::CliffIn;
            creditsMoving = true;
        }
        break;
    case OutroPhase::CliffIn:
        sunX += sunSpeed;
        waveX += sunSpeed;
        cliffX -= cliffSpeed;
        if (cliffX <= cliffStop) {
            cliffX = cliffStop;
            phase = OutroPhase::Idle;
        }
        break;
    case OutroPhase::Fading:
        fade += fadeSpeed;
        if (fade > 255.0f) {
            fade = 255.0f;
            phase = OutroPhase::Idle;
        }
        break;
    case OutroPhase::ThankYou:
        counter += 1;
        if (counter == closingTicks) done = true;
        break;
    case OutroPhase::Idle:
        break;
    }
    if (escapeDown) done = true;
    if (creditsMoving) {
        creditsY -= creditsSpeed;
        if (creditsY <= fadeStartY && !fadeStarted) {
            // Whatever was still moving stops where it is.
            fadeStarted = true;
            phase = OutroPhase::Fading;
        } else if (creditsY < creditsGoneY) {
            phase = OutroPhase::ThankYou;
            closingLine = true;
        }
    }
    return done;
}
