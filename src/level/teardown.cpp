#include "level/teardown.h"

#include "level/graphics.h"
#include "level/map.h"
#include "platform/display.h"
#include "platform/log.h"
#include "text/text_pool.h"
#include "ui/sound_table.h"

// Everything the level data and the shared graphics hold, freed once, in a fixed
// and logged order. The arrays are also forgotten, so a stray use after this
// finds nothing rather than freed memory.
void releaseGameData() {
    completeMusic.unload();
    if (currentMap.tiles) {
        for (int32_t i = 0; i < currentMap.tileCount; ++i) {
            gameLog.write(textWithNumber("Deleting TILEOBJECT ", i));
            currentMap.tiles[i].bitmap.reset();
            currentMap.tiles[i].animation.release();
        }
        currentMap.tiles.reset();
        currentMap.tileCount = 0;
    }
    if (currentMap.blocks) {
        gameLog.write("Deleting BLOCKDATA");
        currentMap.blocks.reset();
        currentMap.blockCount = 0;
        currentMap.blockIndex.clear();
        currentMap.animatedBlocks.clear();
    }
    if (currentMap.bonuses) {
        gameLog.write("Deleting BONUS");
        currentMap.bonuses.reset();
        currentMap.bonusCount = 0;
        currentMap.bonusIndex.clear();
    }
    if (enemies) {
        gameLog.write("Deleting ENEMY");
        enemies.reset();
        enemyCount = 0;
    }
    gameLog.write("Deleting BITMAP");
    for (Picture* p :
         {&ballSheet, &enemySheets[0], &enemySheets[1], &enemySheets[2], &goldIcon, &goldSheet,
          &timeIcon, &cupIcon, &cupSheet, &lifeIcon, &darkOverlay, &gameOverPicture, &panelBitmap})
        p->reset();
    if (currentMap.background) {
        gameLog.write("Deleting Map");
        currentMap.background.reset();
    }
    for (Animation* a : {&cupAnimation, &goldAnimation, &enemyAnimations[0], &enemyAnimations[1],
                         &defaultAnimation, &ballAnimation})
        a->release();
}
