#pragma once

#include "text/data_file.h"

#include <cstdint>

// The progress made on the set in use, kept in "DATA\UNLOCK\" + the set's file
// name: stages open for training, stages cleared with their cup or all their
// gold, and groups open on the continue menu. Play writes flags as 0 or 1; a
// file may hold other integers, which are kept as read.

// One entry beyond the 99 stages: clearing the last stage of a full set marks
// the stage after it.
constexpr int unlockEntries = 100;

struct UnlockData {
    int32_t stageUnlocked[unlockEntries] = {};
    int32_t clearedWithCup[unlockEntries] = {};
    int32_t clearedWithAllGold[unlockEntries] = {};
    int32_t groupUnlocked[unlockEntries] = {};
};

extern UnlockData unlockData;

// Fills the unlock data of the set in use from its file, or with the defaults
// (stage 0 and group 0 open) when there is none.
void loadUnlockData(const char* fileName);
// Writes the unlock data of the set in use; a failure is reported and the old
// file stays whole.
bool saveUnlockData(const char* fileName);

// Reads the flags of a set of the given size as they stand, everything else 0.
// False when the file ends early (the rest then reads as 0).
bool readUnlockData(DataReader& in, int stageCount, int groupCount, UnlockData& out);

// Books stage `stageIndex` of the set in use as cleared in the normal game (the
// game does not call it for training or demo runs): opens the next stage, marks
// the cup and the gold as told, opens the group that starts at the next stage,
// hands that group to `announce` (the "Unlocked" banner) and then saves.
// Returns the index of the group it newly opened, else -1.
int recordStageClear(int stageIndex, bool cupTaken, bool allGoldTaken,
                     void (*announce)(int group) = nullptr);

// Opens every stage and group of the set in use and saves.
bool unlockAll();

// The share, in whole percent, of the set's stages whose flag is set; 0 for a
// set without stages.
int stageSharePercent(const int32_t* flags);
