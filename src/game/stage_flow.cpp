#include "game/stage_flow.h"

#include "game/ball.h"
#include "game/camera.h"
#include "game/demo.h"
#include "game/enemies.h"
#include "game/hud.h"
#include "game/play_records.h"
#include "game/stage_records.h"
#include "game/world_drawing.h"
#include "level/graphics.h"
#include "level/map.h"
#include "level/particles.h"
#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "progress/extra_stages.h"
#include "progress/stage_set.h"
#include "progress/unlock_data.h"
#include "text/font.h"
#include "text/text_utils.h"
#include "ui/sound_table.h"

namespace {
// Play-state durations in ticks.
constexpr int32_t dyingTicks = 100;
constexpr int32_t introTicks = 120;
constexpr int32_t gameOverTicks = 200;
constexpr int clearTicks = 200;
constexpr int hundredPercentTicks = 60;
constexpr int newRecordY = 104;
constexpr int bannerTicks = 80;
constexpr int oneUpTicks = 45;
constexpr int fadeStep = 12;

ScreenHook outroScreen = nullptr;
ScreenHook extraStagesScreen = nullptr;

void startAllSprites() {
    currentMap.animatedBlocks.clear();
    for (int32_t i = 0; i < currentMap.blockCount; ++i) {
        currentMap.blocks[i].sprite.play(0);
        if (currentMap.blocks[i].sprite.playing) currentMap.animatedBlocks.push_back(i);
    }
    for (int32_t i = 0; i < currentMap.bonusCount; ++i)
        currentMap.bonuses[i].sprite.play(0);
}

void drawWorldWithShade(int alpha) {
    drawMap();
    drawStatusBar();
    drawTranslucent(darkOverlay, backBuffer, 0, 0, alpha);
    presentFrame();
}

// The extra stages just earned: their set is copied, then the front end
// announces them.
void announceExtraStages() {
    copyExtraStages();
    if (extraStagesScreen) extraStagesScreen();
}

// The stage's song tells the end of the set apart from a missing next map.
void startNextStageOrEnd() {
    copyText(currentMapFile, stageSet.stageFiles[playRecord.stageIndex], mapFileCapacity);
    // A next stage whose map does not load ends the run after the loader's
    // message, rather than playing on whatever the failed load left.
    if (!startStage()) quitFlag = true;
}
} // namespace

void setOutroScreen(ScreenHook outro) {
    outroScreen = outro;
}

void setExtraStagesScreen(ScreenHook announcement) {
    extraStagesScreen = announcement;
}

bool startStage() {
    return loadMap(currentMapFile) && startLoadedStage();
}

bool startLoadedStage() {
    unlockCamera();
    playRecord.timeLeft = currentMap.timeLimit;
    playRecord.secondTicks = 0;
    ball.x = (float)currentMap.startX;
    ball.y = (float)currentMap.startY;
    ball.active = true;
    playRecord.treasuresThisStage = 0;
    playRecord.goldThisStage = 0;
    playRecord.cupThisStage = false;
    demoTickIndex = 0;
    startAllSprites();
    clearParticles();
    resetBall();
    setPlayState(Intro);
    clearPopups();
    if (playMode.demoMode == DemoMode::Recording) {
        clearSteering();
        sfxStart.play();
    }
    if (!currentMap.music.playing) {
        currentMap.music.setSpeed(1.0f);
        currentMap.music.play();
    }
    return true;
}

void restartStage() {
    playRecord.timeLeft = currentMap.timeLimit;
    playRecord.secondTicks = 0;
    ball.x = (float)currentMap.startX;
    ball.y = (float)currentMap.startY;
    ball.active = true;
    unlockCamera();
    clearParticles();
    resetBall();
    startAllSprites();
    for (int32_t i = 0; i < enemyCount; ++i)
        resetEnemy(enemies[i]);
    clearPopups();
    currentMap.music.setSpeed(1.0f);
    demoTickIndex = 0;
}

void updatePlayState() {
    switch (playState.state) {
    case Dying:
        if (++playState.stateTicks != dyingTicks) break;
        if (!playMode.singleStage) playRecord.lives -= 1;
        if (playRecord.lives == 0) {
            setPlayState(GameOver);
            break;
        }
        fadeOutWorld();
        if (playMode.demoMode != DemoMode::None) {
            quitFlag = true;
            if (playMode.demoMode == DemoMode::Recording) {
                saveDemoDialog(1);
                fadeOut();
            }
            playMode.demoMode = DemoMode::None;
            return;
        }
        restartStage();
        updateMap();
        setPlayState(Playing);
        fadeInWorld();
        break;
    case Intro:
        // The state changes without its tick count starting again.
        if (++playState.stateTicks == introTicks) playState.state = Playing;
        break;
    case GameOver:
        if (++playState.stateTicks == gameOverTicks) {
            fadeOutWorld();
            quitFlag = true;
        }
        break;
    default:
        break;
    }
    if (playState.oneUpShown) {
        playState.oneUpAge += 1;
        playState.oneUpY -= 0.5f;
        if (playState.oneUpAge == oneUpTicks) playState.oneUpShown = false;
    }
}

void stageClear() {
    clearsThisRun += 1;
    int popupX = (int)(ball.x - (float)currentMap.cameraX);
    float popupY = ball.y - (float)currentMap.cameraY;
    currentMap.music.unload();
    completeMusic.play();
    bool hundredPercent = playRecord.treasuresThisStage == currentMap.bonusCount;
    bool newRecord = bookStageClear();
    int ticks = 0;
    while (ticks < clearTicks && !quitRequested()) {
        while (gameTicks > 0 && ticks < clearTicks) {
            if (hundredPercent && ticks < hundredPercentTicks) popupY -= 0.5f;
            ticks += 1;
            gameTicks -= 1;
        }
        if (ticks == clearTicks) break;
        drawMap();
        drawStatusBar();
        if (hundredPercent && ticks < hundredPercentTicks)
            gameFont.drawText("100%", popupX, (int)popupY, backBuffer);
        else if (newRecord) // once the design's own popup has gone, never over it
            gameFont.drawTextCentered("New record!", newRecordY, backBuffer);
        presentFrame();
    }
    completeMusic.stop();
    if (inGameMode()) {
        recordStageClear(playRecord.stageIndex, playRecord.cupThisStage,
                         playRecord.goldThisStage == currentMap.goldTotal, showUnlockedBanner);
    }
    fadeOutWorld();
    nextStage();
}

void nextStage() {
    if (playMode.singleStage) {
        quitFlag = true;
        return;
    }
    playRecord.stageIndex += 1;
    if (playRecord.stageIndex != stageSet.stageCount) {
        startNextStageOrEnd();
        return;
    }
    recordSetCleared(playRecord.cups, announceExtraStages);
    if (outroScreen) outroScreen();
    quitFlag = true;
}

void fadeOutWorld() {
    int alpha = 0;
    while (!quitRequested()) {
        while (gameTicks > 0) {
            alpha += fadeStep;
            if (alpha >= 255) return;
            gameTicks -= 1;
        }
        drawWorldWithShade(alpha);
    }
}

void fadeInWorld() {
    int alpha = 255;
    while (!quitRequested()) {
        while (gameTicks > 0) {
            alpha -= fadeStep;
            if (alpha < 0) return;
            gameTicks -= 1;
        }
        drawWorldWithShade(alpha);
    }
}

void showUnlockedBanner(int group) {
    Picture banner = Picture::create(200, 40);
    Picture frame = Picture::create(320, 240);
    if (banner && frame) {
        clearPicture(banner, colourOf(255, 0, 255));
        gameFont.drawTextCentered("Unlocked", 0, banner);
        gameFont.drawTextCentered(stageSet.groups[group].name, 12, banner);
        copyArea(backBuffer, frame, 0, 0, 0, 0, 320, 240);
        sfxLife.play();
        int zoom = 0, step = 2;
        for (int ticks = 0; ticks < bannerTicks && !quitRequested();) {
            while (gameTicks > 0 && ticks < bannerTicks) {
                zoom += step;
                if (zoom == 40 || zoom == 0) step = -step;
                ticks += 1;
                gameTicks -= 1;
            }
            copyArea(frame, backBuffer, 0, 0, 0, 0, 320, 240);
            drawMaskedScaled(banner, backBuffer, 0, 0, 200, 40, (320 - 200) / 2 - 4 * zoom,
                             140 - zoom, 200 + 8 * zoom, 40 + 2 * zoom);
            presentFrame();
        }
    }
    banner.reset();
    frame.reset();
}
