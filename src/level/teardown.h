#pragma once

// Frees the level data and everything `loadGraphics` made, at exit; nothing may
// use them afterwards.
void releaseGameData();
