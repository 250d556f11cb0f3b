#pragma once

// Runs one play run (a normal game through the stage set, training on one
// stage, a demo recording or a demo playback) as a fixed-step simulation at the
// game clock: every pending tick is one logic step, and one frame is drawn per
// pass. The caller has set `playMode`, `playRecord.stageIndex` and
// `currentMapFile`, and `startStage` has succeeded.
//
// Returns runEnded when the run ended, or recordRequested when the player
// pressed the record button in training (the caller then restarts the stage
// as a recording).
constexpr int runEnded = 0;
constexpr int recordRequested = 1;
int runPlay();
