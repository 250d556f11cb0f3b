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

// How far the menus' background has scrolled, 0..319: shared by every screen
// that shows it, so it moves on seamlessly from one screen to the next.
extern int menuScroll;
// One step of the scroll, once per tick of such a screen.
void advanceMenuScroll();
// `picture` (320 by 240) moved right by `scroll` pixels, wrapping around, into
// the back buffer with masked blits; the back buffer is not cleared first.
void drawScrolledBackground(BITMAP* picture, int scroll);
