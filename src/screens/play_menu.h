#pragma once

// "New Game", "Continue" or "Return"; back returns "Return".
enum PlayChoice { playNewGame, playContinue, playReturn };
int playMenu();
