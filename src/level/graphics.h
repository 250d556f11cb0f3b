#pragma once

#include "level/animation.h"
#include "platform/picture.h"

// The pictures and animations that play shares with the menus, loaded once at
// start-up and destroyed by the teardown at exit. A picture that could not be
// loaded stays empty, and everything that draws it must allow for that.
extern Picture ballSheet;
extern Picture enemySheets[3];
extern Picture goldIcon;
extern Picture goldSheet;
extern Picture timeIcon;
extern Picture cupIcon;
extern Picture cupSheet;
extern Picture lifeIcon;
extern Picture gameOverPicture;
// Black 160 by 100 backdrop of the in-game notes and the exit prompt.
extern Picture panelBitmap;

extern Animation cupAnimation;
extern Animation goldAnimation;
extern Animation enemyAnimations[2];
// Tiles without an animation of their own, and enemies of kind 2.
extern Animation defaultAnimation;
extern Animation ballAnimation;

// Loads all of the above, `darkOverlay` and `completeMusic`; reports nothing.
void loadPlayGraphics();
