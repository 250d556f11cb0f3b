#pragma once

// The help shown before the very first game (and from the extras menu until
// the game has been cleared): one line more every second, or at once on a
// press; the press after the last line ends it. Clears the settings'
// first-time flag on entry.
void firstTimeHelp();

// Lines shown by the help, in order, and the row each starts on; line 9 takes
// two rows.
constexpr int helpLineCount = 11;
extern const int helpLineRows[helpLineCount];
