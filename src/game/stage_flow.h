#pragma once

// A run passes through stages: each starts with its intro, restarts after a
// death, ends in game over, or is cleared with the clear sequence and followed
// by the next stage, the end of the set or (in single-stage runs) the end of
// the run.

// Loads and sets up the stage named by `currentMapFile`; false when its map
// cannot be loaded (the loader has said why).
bool startStage();
// The same for a map already loaded into `currentMap` (the tool's own maps).
bool startLoadedStage();
// Back to the start of the stage after a death, without loading it again.
void restartStage();
// Once per tick: dying, the intro, game over, and the 1UP popup.
void updatePlayState();
// The clear sequence, the progress it earns, then the next stage.
void stageClear();
void nextStage();

// The world fading to black and back; they run on the clock themselves and the
// play does not advance meanwhile.
void fadeOutWorld();
void fadeInWorld();

// "Unlocked" and the group's name, zooming twice over the frame.
void showUnlockedBanner(int group);

// The screens shown after the last stage of a set: the announcement of the
// extra stages when they have just been earned (their set copied first), then
// the outro. Set by start-up: they belong to the front end, above play.
// Without them the run just ends.
using ScreenHook = void (*)();
void setOutroScreen(ScreenHook outro);
void setExtraStagesScreen(ScreenHook announcement);
