#include "game/demo_ghost.h"

#include "game/demo.h"
#include "game/game_loop.h"
#include "game/ghost.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "progress/map_hash.h"
#include "progress/settings.h"

DemoGhost ghostFromDemo(const char* gamePath) {
    PlayMode before = playMode;
    playMode = {true, DemoMode::Playback, false};
    DemoGhost result = DemoGhost::Unreadable;
    setSoundSwitches(false, false);
    if (loadDemo(gamePath) && startStage()) {
        PlayRun run;
        run.begin();
        TickOutcome outcome = TickOutcome::Continue;
        // Every tick pending at once: the fades and the clear sequence run
        // through them without drawing. A run longer than a ghost holds (a
        // stage without a time limit) is given up.
        for (int32_t ticks = 0; outcome == TickOutcome::Continue; ++ticks) {
            if (ticks == maxGhostSamples) quitFlag = true;
            gameTicks = 1 << 20;
            outcome = run.tick();
        }
        std::string hash = clearsThisRun > 0 ? mapFileHash(currentMapFile) : "";
        bool kept =
            !hash.empty() && saveRecordedGhost(currentMapFile, hash, stageTicksElapsed() - 1);
        result = kept ? DemoGhost::Kept : DemoGhost::NotKept;
        run.end(outcome);
    }
    gameTicks = 0;
    applySettings();
    playMode = before;
    return result;
}
