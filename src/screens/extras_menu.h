#pragma once

// The extras: sound test, jukebox, statistics, about, the first-time help or,
// once the game has been cleared, the outro, and the Controls screen. Returns when the player
// chooses "Return" or backs out. The menu tune keeps playing here; it is
// stopped around the screens that play sounds of their own and started again
// afterwards.
void extrasMenu();
