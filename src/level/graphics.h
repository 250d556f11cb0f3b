#pragma once

#include "level/animation.h"

struct BITMAP;

// The pictures and animations shared by the menus and every stage, loaded once
// at start-up and destroyed by the teardown at exit. A picture that could not be
// loaded stays null, and everything that draws it must allow for that.
extern BITMAP* ballSheet;
extern BITMAP* enemySheets[3];
extern BITMAP* goldIcon;
extern BITMAP* goldSheet;
extern BITMAP* timeIcon;
extern BITMAP* cupIcon;
extern BITMAP* cupSheet;
extern BITMAP* lifeIcon;
extern BITMAP* gameOverPicture;
// Black 160 by 100 backdrop of the in-game notes and the exit prompt.
extern BITMAP* panelBitmap;
extern BITMAP* titleBackground;
extern BITMAP* titleLogo;

extern Animation cupAnimation;
extern Animation goldAnimation;
extern Animation enemyAnimations[2];
// Tiles without an animation of their own, and enemies of kind 2.
extern Animation defaultAnimation;
extern Animation ballAnimation;

// Loads all of the above, `darkOverlay` and `completeMusic`; reports nothing.
void loadGraphics();
