// Pictures of play: the first stage with its intro, the exit prompt over it,
// the pause, and the name entry of a recorded demo.
#include "screen_pictures/screen_shots.h"

#include "game/demo.h"
#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "support/test_env.h"
#include "text/text_utils.h"

namespace {
bool startFirstStage(bool singleStage, DemoMode mode) {
    playMode = {singleStage, mode, true};
    playRecord.stageIndex = 0;
    copyText(currentMapFile, "TROP01.MAP", mapFileCapacity);
    return startStage();
}

void playing(ShotContext& shot) {
    if (!startFirstStage(false, DemoMode::None)) return;
    shot.drive([&](int frame) {
        simulateKey(Key::Right, frame >= 30 && frame < 150);
        if (frame == 20) shot.capture("play-intro");
        if (frame == 150) shot.capture("play");
        simulateKey(Key::Escape, frame >= 160 && frame < 170);
        if (frame == 180) shot.capture("play-exit-prompt");
        if (frame == 181) shot.leaveScreen();
    });
    runPlay();
}
REGISTER_SHOT("play", playing);

void paused(ShotContext& shot) {
    if (!startFirstStage(true, DemoMode::None)) return;
    shot.drive([&](int frame) {
        simulateKey(Key::Right, frame >= 10 && frame < 60);
        simulateKey(Key::Space, frame >= 130 && frame < 135);
        if (frame == 140) shot.capture("play-pause");
        simulateKey(Key::Escape, frame >= 150 && frame < 155); // ends the pause
        simulateKey(Key::F1, frame >= 160 && frame < 165);
        if (frame == 170) shot.capture("play-beginner-notes");
        if (frame == 171) shot.leaveScreen();
    });
    runPlay();
}
REGISTER_SHOT("pause", paused);

void naming(ShotContext& shot) {
    if (!startFirstStage(true, DemoMode::Recording)) return;
    shot.drive([&](int frame) {
        // Straight to the goal; after the clear sequence the name is asked for.
        simulateKey(Key::Right, frame >= 5 && frame < 900);
        const Key letters[] = {Key::R, Key::U, Key::N};
        for (int i = 0; i < 3; ++i)
            simulateKey(letters[i], frame >= 1200 + 10 * i && frame < 1205 + 10 * i);
        if (frame == 1250) shot.capture("demo-name-entry");
        if (frame == 1251) shot.leaveScreen();
    });
    runPlay();
}
REGISTER_SHOT("demo-name", naming);
} // namespace
