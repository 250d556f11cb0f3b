#include "main/game_main.h"

#include "level/teardown.h"
#include "screens/menu_look.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/log.h"
#include "progress/settings.h"
#include "progress/statistics.h"
#include "text/font.h"
#include "ui/sound_table.h"

void shutDown() {
    fadeOut();
    menuMusic.unload();
    saveSettings();
    saveStatistics();
    gameLog.write("Stopping gameTimer");
    stopGameTimer();
    gameLog.write("--- Cleaning up ---");
    gameLog.setIndent(1);
    releaseGameData();
    releaseTitleArt();
    gameLog.write("Destroying Font");
    gameFont.destroySheet();
    gameLog.write("Stopping fMod");
    closeSound();
    gameLog.write("Stopping Allegro");
    gameLog.indentMore();
    shutdownGraphics();
    gameLog.indentLess();
    gameLog.indentLess();
    gameLog.write("--- Done cleaing up ---");
}
