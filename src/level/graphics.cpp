#include "level/graphics.h"

#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "ui/sound_table.h"

Picture ballSheet;
Picture enemySheets[3];
Picture goldIcon;
Picture goldSheet;
Picture timeIcon;
Picture cupIcon;
Picture cupSheet;
Picture lifeIcon;
Picture gameOverPicture;
Picture panelBitmap;

Animation cupAnimation;
Animation goldAnimation;
Animation enemyAnimations[2];
Animation defaultAnimation;
Animation ballAnimation;

namespace {
Picture blackPicture(int width, int height) {
    Picture picture = Picture::create(width, height);
    clearPicture(picture, colourOf(0, 0, 0));
    return picture;
}
} // namespace

void loadPlayGraphics() {
    completeMusic.load("MUSIC\\COMPLETE.IT");
    ballSheet = loadBitmap("BITMAP\\GENERAL\\tumblo.bmp");
    enemySheets[0] = loadBitmap("BITMAP\\GENERAL\\enemy1.bmp");
    enemySheets[1] = loadBitmap("BITMAP\\GENERAL\\enemy2.bmp");
    enemySheets[2] = loadBitmap("BITMAP\\GENERAL\\enemy3.bmp");
    goldIcon = loadBitmap("BITMAP\\GENERAL\\gold.bmp");
    goldSheet = loadBitmap("BITMAP\\GENERAL\\gold2.bmp");
    timeIcon = loadBitmap("BITMAP\\GENERAL\\time.bmp");
    cupIcon = loadBitmap("BITMAP\\GENERAL\\cup.bmp");
    cupSheet = loadBitmap("BITMAP\\GENERAL\\cup2.bmp");
    lifeIcon = loadBitmap("BITMAP\\GENERAL\\life.bmp");
    gameOverPicture = loadBitmap("BITMAP\\GENERAL\\gameover.bmp");
    darkOverlay = blackPicture(320, 240);
    panelBitmap = blackPicture(160, 100);
    cupAnimation.load("DATA\\CUP.ANM");
    goldAnimation.load("DATA\\GOLD.ANM");
    enemyAnimations[0].load("DATA\\ENEMY01.ANM");
    enemyAnimations[1].load("DATA\\ENEMY02.ANM");
    defaultAnimation.load("DATA\\DEFANM.ANM");
    ballAnimation.load("DATA\\TUMBLO.ANM");
}
