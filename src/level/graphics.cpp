#include "level/graphics.h"

#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "platform/sound.h"

#include <allegro.h>

BITMAP* ballSheet = nullptr;
BITMAP* enemySheets[3] = {};
BITMAP* goldIcon = nullptr;
BITMAP* goldSheet = nullptr;
BITMAP* timeIcon = nullptr;
BITMAP* cupIcon = nullptr;
BITMAP* cupSheet = nullptr;
BITMAP* lifeIcon = nullptr;
BITMAP* gameOverPicture = nullptr;
BITMAP* panelBitmap = nullptr;
BITMAP* titleBackground = nullptr;
BITMAP* titleLogo = nullptr;

Animation cupAnimation;
Animation goldAnimation;
Animation enemyAnimations[2];
Animation defaultAnimation;
Animation ballAnimation;

int menuScroll = 0;

void advanceMenuScroll() {
    menuScroll += 1;
    if (menuScroll >= 320) menuScroll = 0;
}

void drawScrolledBackground(BITMAP* picture, int scroll) {
    if (!picture || !backBuffer) return;
    masked_blit(picture, backBuffer, 0, 0, scroll, 0, 320 - scroll, 240);
    if (scroll > 0) masked_blit(picture, backBuffer, 320 - scroll, 0, 0, 0, scroll, 240);
}

namespace {
// Each slot is emptied first, so loading twice (as tests do) leaks nothing.
void load(BITMAP*& slot, const char* path) {
    destroyBitmap(slot);
    slot = loadBitmap(path);
}

void makeBlack(BITMAP*& slot, int width, int height) {
    destroyBitmap(slot);
    slot = create_bitmap(width, height);
    if (slot) clear_to_color(slot, makecol(0, 0, 0));
}
} // namespace

void loadGraphics() {
    completeMusic.load("MUSIC\\COMPLETE.IT");
    load(ballSheet, "BITMAP\\GENERAL\\tumblo.bmp");
    load(enemySheets[0], "BITMAP\\GENERAL\\enemy1.bmp");
    load(enemySheets[1], "BITMAP\\GENERAL\\enemy2.bmp");
    load(enemySheets[2], "BITMAP\\GENERAL\\enemy3.bmp");
    load(goldIcon, "BITMAP\\GENERAL\\gold.bmp");
    load(goldSheet, "BITMAP\\GENERAL\\gold2.bmp");
    load(timeIcon, "BITMAP\\GENERAL\\time.bmp");
    load(cupIcon, "BITMAP\\GENERAL\\cup.bmp");
    load(cupSheet, "BITMAP\\GENERAL\\cup2.bmp");
    load(lifeIcon, "BITMAP\\GENERAL\\life.bmp");
    load(gameOverPicture, "BITMAP\\GENERAL\\gameover.bmp");
    makeBlack(darkOverlay, 320, 240);
    makeBlack(panelBitmap, 160, 100);
    load(titleBackground, "BITMAP\\BG\\BG03.BMP");
    load(titleLogo, "BITMAP\\GENERAL\\LOGO.BMP");
    cupAnimation.load("DATA\\CUP.ANM");
    goldAnimation.load("DATA\\GOLD.ANM");
    enemyAnimations[0].load("DATA\\ENEMY01.ANM");
    enemyAnimations[1].load("DATA\\ENEMY02.ANM");
    defaultAnimation.load("DATA\\DEFANM.ANM");
    ballAnimation.load("DATA\\TUMBLO.ANM");
}
