#include "game/hud.h"

#include "game/play_records.h"
#include "level/graphics.h"
#include "level/map.h"
#include "platform/display.h"
#include "text/font.h"
#include "text/text_pool.h"

char playbackDemoName[80] = {};

namespace {
void drawCounter(const Picture& icon, int iconX, int value, int textX) {
    if (icon) drawMasked(icon, backBuffer, 0, 0, iconX, 4, 12, 12);
    gameFont.drawText(textWithNumber("x ", value), textX, 6, backBuffer);
}

const char* introLine() {
    if (!playMode.singleStage) return nullptr;
    switch (playMode.demoMode) {
    case DemoMode::None:
        return "Training Mode. Press F2 to record demo";
    case DemoMode::Playback:
        return joinText("Playback of ", playbackDemoName);
    case DemoMode::Recording:
        return "Recording ...";
    }
    return nullptr;
}
} // namespace

void drawStatusBar() {
    drawCounter(goldIcon, 4, playRecord.gold, 20);
    drawCounter(cupIcon, 64, playRecord.cups, 80);
    drawCounter(lifeIcon, 124, playRecord.lives, 140);
    drawCounter(timeIcon, 184, playRecord.timeLeft, 200);
}

void drawOverlays() {
    if (playState.state == Intro) {
        gameFont.drawTextCentered(currentMap.name, 110, backBuffer);
        if (const char* line = introLine()) gameFont.drawTextCentered(line, 122, backBuffer);
    }
    if (playState.state == GameOver && gameOverPicture)
        drawMasked(gameOverPicture, backBuffer, 0, 0, (320 - gameOverPicture.width()) / 2,
                   (240 - gameOverPicture.height()) / 2, gameOverPicture.width(),
                   gameOverPicture.height());
    if (playState.state != GameOver && playState.hurryUp)
        gameFont.drawTextCentered("HURRY UP!!", 120, backBuffer);
    if (playState.oneUpShown)
        gameFont.drawText("1UP!", playState.oneUpX - currentMap.cameraX,
                          (int)(playState.oneUpY - (float)currentMap.cameraY), backBuffer);
    if (currentMap.cameraLocked) gameFont.drawText("$l", 4, 20, backBuffer);
}

void drawBeginnerNotes(int x, int y) {
    drawTranslucent(panelBitmap, backBuffer, x, y, 128);
    gameFont.drawText("Beginners Notes (F1)", x + 2, y + 2, backBuffer);
    const char* lines[] = {"Use $H and $I to move $C", "Locate $B to clear stage",
                           "Get 25 $D for extra $C",   "Get $A for bonus stages",
                           "$E will bounce you",       "$F will hurt you",
                           "$G will push you"};
    int lineY = y + 16;
    for (const char* line : lines) {
        gameFont.drawText(line, x + 2, lineY, backBuffer);
        lineY += 12;
    }
}
