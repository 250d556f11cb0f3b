// Pictures of the best times: the stage select with records and medals, the
// Records screen, "New record!" in the clear sequence, and a training run with
// the ghost of a best run beside the ball.
#include "screen_pictures/screen_shots.h"

#include "game/game_loop.h"
#include "game/ghost.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "platform/quit_request.h"
#include "progress/map_hash.h"
#include "progress/par_times.h"
#include "progress/records.h"
#include "progress/stage_set.h"
#include "progress/unlock_data.h"
#include "screens/records_screen.h"
#include "screens/stage_select.h"
#include "support/test_env.h"
#include "text/text_utils.h"

#include <filesystem>

namespace {
void tap(Key key, int frame, int at) {
    if (frame == at) simulateKey(key, true);
    if (frame == at + 5) simulateKey(key, false);
}

// Records of the first stages of the default set: a gold run (its cup taken
// in a slower one), a silver one without the cup, a bronze one, one too slow
// for a medal, and one set on an old version of its map.
void writeSomeRecords() {
    std::filesystem::remove_all("records");
    RecordsFile records;
    const double factors[] = {1.1, 1.5, 2.2, 3.0};
    for (int s = 0; s < 4; ++s) {
        const char* map = stageSet.stageFiles[s];
        int32_t par = parTimes.of(map);
        int32_t best = (int32_t)(par * factors[s]);
        bookClear(records, map, mapFileHash(map), best, s > 1, "2024-06-0" + std::to_string(s + 1));
        if (s == 0) bookClear(records, map, mapFileHash(map), best + 90, true, "2024-06-09");
    }
    bookClear(records, stageSet.stageFiles[4], "00000000000000ff", 1200, true, "2024-05-30");
    saveRecords(stageSet.fileName, records);
    for (int s = 0; s < 8; ++s)
        unlockData.stageUnlocked[s] = 1;
}

void stageSelectWithRecords(ShotContext& shot) {
    writeSomeRecords();
    shot.drive([&](int frame) {
        if (frame == 10) shot.capture("records-stage-select");
        tap(Key::Down, frame, 12);
        if (frame == 30) shot.capture("records-stage-select-no-cup");
        for (int i = 0; i < 3; ++i)
            tap(Key::Down, frame, 32 + 10 * i);
        if (frame == 70) shot.capture("records-stage-select-old-version");
        tap(Key::Down, frame, 72);
        if (frame == 90) shot.capture("records-stage-select-not-cleared");
        if (frame == 91) shot.leaveScreen();
    });
    stageSelectScreen();
}
REGISTER_SHOT("records-stage-select", stageSelectWithRecords);

void recordsScreenShot(ShotContext& shot) {
    writeSomeRecords();
    shot.drive([&](int frame) {
        tap(Key::Down, frame, 5);
        if (frame == 20) shot.capture("records-screen");
        tap(Key::Up, frame, 22);
        tap(Key::Return, frame, 32);
        if (frame == 50) shot.capture("records-screen-ghost-off");
        if (frame == 51) shot.leaveScreen();
    });
    recordsScreen();
}
REGISTER_SHOT("records-screen", recordsScreenShot);

// Training on the first stage: right from frame `from` until the goal, which
// holding right reaches. `onFrame` sees each frame with the frames since the
// clear began (-1 before).
template <class OnFrame> void trainFirstStage(ShotContext& shot, int from, OnFrame onFrame) {
    playMode = {true, DemoMode::None, true};
    copyText(currentMapFile, stageSet.stageFiles[0], mapFileCapacity);
    if (!startStage()) return;
    int clearFrame = -1;
    shot.drive([&, from](int frame) {
        simulateKey(Key::Right, frame >= from);
        if (clearFrame < 0 && clearsThisRun > 0) clearFrame = frame;
        onFrame(frame, clearFrame < 0 ? -1 : frame - clearFrame);
        if (frame > 3000) shot.leaveScreen();
    });
    raceGhost(currentMapFile);
    runPlay();
    stopGhost();
    releaseSimulatedKeys();
    clearQuitRequest();
}

void newRecord(ShotContext& shot) {
    std::filesystem::remove_all("records");
    trainFirstStage(shot, 5, [&](int, int sinceClear) {
        if (sinceClear == 100) shot.capture("records-new-record");
    });
}
REGISTER_SHOT("records-new-record", newRecord);

void ghostBesideTheBall(ShotContext& shot) {
    std::filesystem::remove_all("records");
    trainFirstStage(shot, 5, [](int, int) {});
    // The best run so far is the ghost of the next one, which starts later.
    trainFirstStage(shot, 45, [&](int frame, int) {
        if (frame == 20) shot.capture("ghost-intro");
        if (frame == 160) shot.capture("ghost-training");
    });
}
REGISTER_SHOT("ghost", ghostBesideTheBall);
} // namespace
