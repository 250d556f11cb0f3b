#pragma once

// Frees the level data and everything `loadPlayGraphics` made, at exit; nothing may
// use them afterwards.
void releaseGameData();
