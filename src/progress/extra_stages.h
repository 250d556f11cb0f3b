#pragma once

// The extra stages: a stage set shipped as "data\tumblodata.dat" that the
// player earns by clearing the default set with every cup in the first game
// ever cleared; it is then copied to "data\extra.stg" and listed like any set.

// Whether clearing the last stage of the set in use, with `cupsThisGame` cups
// taken in this game, earns the extra stages.
bool extraStagesEarned(int cupsThisGame);

// Books the set in use as cleared in the normal game: when the extra stages are
// earned, marks them unlocked and hands over to `announce` (which makes the
// copy and shows the announcement); then counts the clear. True when they were
// earned.
bool recordSetCleared(int cupsThisGame, void (*announce)() = nullptr);

// Copies "data\tumblodata.dat" to "data\extra.stg" byte for byte. Without a
// readable source, or when the copy cannot be written, the log and a message
// say so and an existing copy stays as it is.
bool copyExtraStages();

// Makes the copy again when the extra stages were earned but it is missing (its
// save failed, say), so that the set the player was promised is there; called
// before the stage sets are listed.
void restoreExtraStages();
