#include "screens/menu_look.h"

#include "level/graphics.h"
#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "text/font.h"

#include <allegro.h>

void drawMenuBackground() {
    drawMenuBackground(titleBackground);
}

void drawMenuBackground(BITMAP* picture) {
    // The picture is drawn masked over what was there; without it the frame
    // would keep whatever the last screen left.
    if (!picture) clear_to_color(backBuffer, makecol(0, 0, 0));
    drawScrolledBackground(picture, menuScroll);
}

void drawTitleLogo() {
    if (titleLogo)
        masked_blit(titleLogo, backBuffer, 0, 0, (320 - titleLogo->w) / 2, 40, titleLogo->w,
                    titleLogo->h);
}

void drawMenuItems(const char* const* items, int count, int cursor, int x, int firstY,
                   const char* pointer) {
    for (int i = 0; i < count; ++i)
        gameFont.drawText(items[i], x, firstY + menuItemSpacing * i, backBuffer);
    gameFont.drawText(pointer, x - menuPointerGap, firstY + menuItemSpacing * cursor, backBuffer);
}

BITMAP* loadDimmedBackground(const char* gamePath) {
    BITMAP* picture = loadBitmap(gamePath);
    drawDimOverlay(picture);
    return picture;
}

void drawBackdrop(BITMAP* picture) {
    if (picture)
        blit(picture, backBuffer, 0, 0, 0, 0, 320, 240);
    else
        clear_to_color(backBuffer, makecol(0, 0, 0));
}
