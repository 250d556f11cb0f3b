#pragma once

// The look shared by the menus of the front end: the menu background scrolled
// sideways, the logo above (drawTitleLogo), items in the game font with the
// pointer "$r" to the left of the chosen one.

constexpr int menuItemX = 140;
constexpr int menuFirstItemY = 140;
constexpr int menuItemSpacing = 12;
// The pointer stands this far left of the item texts.
constexpr int menuPointerGap = 20;

struct BITMAP;
// The title background (or `picture`) at the shared scroll offset; black where
// there is no picture.
void drawMenuBackground();
void drawMenuBackground(BITMAP* picture);
// The menus' logo centred at y = 40, if it could be loaded.
void drawTitleLogo();
// The items one below the other from (x, firstY), and `pointer` on `cursor`.
void drawMenuItems(const char* const* items, int count, int cursor, int x = menuItemX,
                   int firstY = menuFirstItemY, const char* pointer = "$r");

// A background picture loaded and darkened once, as the list screens show it;
// null when it cannot be loaded.
BITMAP* loadDimmedBackground(const char* gamePath);
// The picture over the whole frame, or black without one.
void drawBackdrop(BITMAP* picture);
