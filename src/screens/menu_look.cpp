#include "screens/menu_look.h"

#include "level/graphics.h"
#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "text/font.h"

Picture titleBackground;
Picture titleLogo;
int menuScroll = 0;

void loadGraphics() {
    loadPlayGraphics();
    titleBackground = loadBitmap("BITMAP\\BG\\BG03.BMP");
    titleLogo = loadBitmap("BITMAP\\GENERAL\\LOGO.BMP");
}

void releaseTitleArt() {
    titleBackground.reset();
    titleLogo.reset();
}

void advanceMenuScroll() {
    menuScroll += 1;
    if (menuScroll >= 320) menuScroll = 0;
}

void drawScrolledBackground(const Picture& picture, int scroll) {
    drawMasked(picture, backBuffer, 0, 0, scroll, 0, 320 - scroll, 240);
    if (scroll > 0) drawMasked(picture, backBuffer, 320 - scroll, 0, 0, 0, scroll, 240);
}

void drawMenuBackground() {
    drawMenuBackground(titleBackground);
}

void drawMenuBackground(const Picture& picture) {
    // The picture is drawn masked over what was there; without it the frame
    // would keep whatever the last screen left.
    if (!picture) clearPicture(backBuffer, colourOf(0, 0, 0));
    drawScrolledBackground(picture, menuScroll);
}

void drawTitleLogo() {
    drawMasked(titleLogo, backBuffer, 0, 0, (320 - titleLogo.width()) / 2, 40, titleLogo.width(),
               titleLogo.height());
}

void drawMenuItems(const char* const* items, int count, int cursor, int x, int firstY,
                   const char* pointer) {
    for (int i = 0; i < count; ++i)
        gameFont.drawText(items[i], x, firstY + menuItemSpacing * i, backBuffer);
    gameFont.drawText(pointer, x - menuPointerGap, firstY + menuItemSpacing * cursor, backBuffer);
}

Picture loadDimmedBackground(const char* gamePath) {
    Picture picture = loadBitmap(gamePath);
    drawDimOverlay(picture);
    return picture;
}

void drawBackdrop(const Picture& picture) {
    if (picture)
        copyArea(picture, backBuffer, 0, 0, 0, 0, 320, 240);
    else
        clearPicture(backBuffer, colourOf(0, 0, 0));
}
