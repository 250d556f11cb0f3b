#pragma once

#include "platform/picture.h"

// "FPS: " and the measured rate, right-aligned at the top of a presented page,
// while the player's frame-counter switch is on. Installed as the display's page
// overlay at start-up, so every screen shows it without drawing it itself.
void drawFrameCounter(Picture& page);
