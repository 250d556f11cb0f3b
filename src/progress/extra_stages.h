#pragma once

// The extra stages: a stage set shipped as "data\tumblodata.dat" that the
// player earns by clearing the default set with every cup in the first game
// ever cleared; it is then copied to "data\extra.stg" and listed like any set.

// Whether clearing the last stage of the set in use, with `cupsThisGame` cups
// taken in this game, earns the extra stages.
bool extraStagesEarned(int cupsThisGame);

// Books the set in use as cleared in the normal game: marks the extra stages as
// unlocked when earned, then counts the clear. True when they were earned; the
// caller then shows the announcement, which makes the copy.
bool recordSetCleared(int cupsThisGame);

// Copies "data\tumblodata.dat" to "data\extra.stg" byte for byte. Without a
// readable source, or when the copy cannot be written, the log and a message
// say so and an existing copy stays as it is.
bool copyExtraStages();

// Makes the copy again when the extra stages were earned but it is missing (its
// save failed, say), so that the set the player was promised is there; called
// before the stage sets are listed.
void restoreExtraStages();
