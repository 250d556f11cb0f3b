// Pictures of the title menu (plain and after the game was cleared), the play
// and continue menus, the stage and stage-set selects, the demo browser (with
// demos and empty) and the settings menu.
#include "screen_pictures/screen_shots.h"

#include "game/demo.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/map.h"
#include "progress/extra_stages.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/stage_set_format.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "screens/continue_menu.h"
#include "screens/demo_browser.h"
#include "screens/play_menu.h"
#include "screens/settings_menu.h"
#include "screens/stage_select.h"
#include "screens/stage_set_select.h"
#include "screens/title_menu.h"
#include "support/test_env.h"
#include "text/data_file.h"
#include "text/text_utils.h"

namespace {
// A press of a key at frame `at` for five frames.
void tap(Key key, int frame, int at) {
    if (frame == at) simulateKey(key, true);
    if (frame == at + 5) simulateKey(key, false);
}

void title(ShotContext& shot) {
    shot.drive([&](int frame) {
        tap(Key::Down, frame, 5);
        if (frame == 30) shot.capture("title");
        if (frame == 31) shot.leaveScreen();
    });
    titleMenu();
}
REGISTER_SHOT("title", title);

void titleCleared(ShotContext& shot) {
    statistics.extraStagesUnlocked = 1;
    statistics.gamesCleared = 1;
    shot.drive([&](int frame) {
        // The logo at its largest (20 steps) and on its way back.
        if (frame == 19) shot.capture("title-super");
        if (frame == 29) shot.capture("title-super-shrinking");
        if (frame == 30) shot.leaveScreen();
    });
    titleMenu();
}
REGISTER_SHOT("title-super", titleCleared);

void play(ShotContext& shot) {
    shot.drive([&](int frame) {
        tap(Key::Down, frame, 5);
        if (frame == 20) shot.capture("play-menu");
        if (frame == 21) shot.leaveScreen();
    });
    playMenu();
}
REGISTER_SHOT("play-menu", play);

void continueGame(ShotContext& shot) {
    unlockAll();
    shot.drive([&](int frame) {
        tap(Key::Down, frame, 5);
        if (frame == 20) shot.capture("continue-menu");
        if (frame == 21) shot.leaveScreen();
    });
    continueMenu();
}
REGISTER_SHOT("continue-menu", continueGame);

void stages(ShotContext& shot) {
    unlockAll();
    unlockData.clearedWithAllGold[0] = 1;
    unlockData.clearedWithCup[0] = 1;
    unlockData.clearedWithCup[1] = 1;
    shot.drive([&](int frame) {
        tap(Key::Down, frame, 5);
        if (frame == 20) shot.capture("stage-select");
        if (frame == 21) shot.leaveScreen();
    });
    stageSelectScreen();
}
REGISTER_SHOT("stage-select", stages);

// A set of 20 stages: the list scrolls, with its arrows.
void longStageList(ShotContext& shot) {
    StageSetFile set{"Twenty", "Tester", {{"All", {}}}};
    for (int i = 0; i < 20; ++i)
        set.groups[0].stages.push_back(stageSet.stageFiles[i % stageSet.stageCount]);
    DataWriter out;
    if (!out.open("DATA\\LONG.STG")) return;
    writeStageSetFile(out, set);
    if (!out.commit() || !loadStageSet("LONG.STG")) return;
    unlockAll();
    shot.drive([&](int frame) {
        if (frame == 10) shot.capture("stage-select-long-top");
        simulateKey(Key::Down, frame >= 15 && frame < 85);
        if (frame == 80) shot.capture("stage-select-long-scrolled");
        if (frame == 81) shot.leaveScreen();
    });
    stageSelectScreen();
}
REGISTER_SHOT("stage-select-long", longStageList);

void stageSets(ShotContext& shot) {
    copyExtraStages();
    shot.drive([&](int frame) {
        if (frame == 20) shot.capture("stage-set-select");
        tap(Key::Down, frame, 25);
        if (frame == 40) shot.capture("stage-set-select-second");
        if (frame == 41) shot.leaveScreen();
    });
    stageSetSelectScreen();
}
REGISTER_SHOT("stage-set-select", stageSets);

// A demo of the first stage as the recorder writes it.
void writeDemo(const char* name, const char* clearTime, int cups, int died) {
    copyText(currentMapFile, stageSet.stageFiles[0], mapFileCapacity);
    loadMap(currentMapFile);
    copyText(currentMap.timeText, clearTime, sizeof currentMap.timeText);
    playRecord.cups = cups;
    writeRecordedDemo(name, died);
}

void demos(ShotContext& shot) {
    writeDemo("FAST_RUN", "00:31:45 (100%)", 1, 0);
    writeDemo("OOPS", "", 0, 1);
    writeDemo("SLOW", "01:12:08", 0, 0);
    shot.drive([&](int frame) {
        if (frame == 20) shot.capture("demo-browser");
        tap(Key::Up, frame, 25); // wraps round to the last
        if (frame == 40) shot.capture("demo-browser-last");
        if (frame == 41) shot.leaveScreen();
    });
    demoBrowserScreen();
}
REGISTER_SHOT("demo-browser", demos);

void noDemos(ShotContext& shot) {
    shot.drive([&](int frame) {
        if (frame == 10) shot.capture("demo-browser-empty");
        if (frame == 11) shot.leaveScreen();
    });
    demoBrowserScreen();
}
REGISTER_SHOT("demo-browser-empty", noDemos);

void settingsShot(ShotContext& shot) {
    settings.showFps = true;
    settings.playMusic = false;
    shot.drive([&](int frame) {
        tap(Key::Up, frame, 5);
        tap(Key::Up, frame, 15);
        if (frame == 30) shot.capture("settings");
        if (frame == 31) shot.leaveScreen();
    });
    settingsMenu();
}
REGISTER_SHOT("settings", settingsShot);
} // namespace
