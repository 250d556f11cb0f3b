#pragma once

#include "platform/picture.h"

// The look shared by the menus of the front end: the title background scrolled
// sideways, the logo above, items in the game font with the pointer "$r" to the
// left of the chosen one.

constexpr int menuItemX = 140;
constexpr int menuFirstItemY = 140;
constexpr int menuItemSpacing = 12;
// The pointer stands this far left of the item texts.
constexpr int menuPointerGap = 20;

// The menus' background (BG03) and logo, loaded with the rest of the shared
// pictures at start-up; empty when they could not be loaded.
extern Picture titleBackground;
extern Picture titleLogo;

// Every shared picture and animation: play's (loadPlayGraphics) and the menus'
// title art. Reports nothing.
void loadGraphics();
// The title art, at exit, after the rest of the game data.
void releaseTitleArt();

// How far the menus' background has scrolled, 0..319: shared by every screen
// that shows it, so it moves on seamlessly from one screen to the next.
extern int menuScroll;
// One step of the scroll, once per tick of such a screen.
void advanceMenuScroll();
// `picture` (320 by 240) moved right by `scroll` pixels, wrapping around, into
// the back buffer with masked blits; the back buffer is not cleared first.
void drawScrolledBackground(const Picture& picture, int scroll);

// The title background (or `picture`) at the shared scroll offset; black where
// there is no picture.
void drawMenuBackground();
void drawMenuBackground(const Picture& picture);
// The menus' logo centred at y = 40, if it could be loaded.
void drawTitleLogo();
// The items one below the other from (x, firstY), and `pointer` on `cursor`.
void drawMenuItems(const char* const* items, int count, int cursor, int x = menuItemX,
                   int firstY = menuFirstItemY, const char* pointer = "$r");

// A background picture loaded and darkened once, as the list screens show it;
// empty when it cannot be loaded.
Picture loadDimmedBackground(const char* gamePath);
// The picture over the whole frame, or black without one.
void drawBackdrop(const Picture& picture);
