#pragma once

// Training: the unlocked stages of the set in use, one of which is played
// alone, and restarted as a demo recording when the player asks for one.
// Returns when the player backs out of the list.
void stageSelectScreen();

class ListMenu;
// The list the screen shows: one entry per unlocked stage, each the stage's
// title with "$D " when it was cleared with all its gold and "$A" with its
// cup. Entry i is stage i, so the stages offered are the first k of the set,
// k being how many are unlocked.
void buildStageList(ListMenu& list);
// Each entry's description: the stage's best times and par, and its medal
// ("Best 00:21:35  $A 00:24:10  Par 00:17:00", or "Not cleared yet").
void describeStageRecords(ListMenu& list);
