#pragma once

// The announcement that the extra stages are unlocked, over the dimmed first
// background scrolling as the menus' does, until a button is pressed.
void extraStagesScreen();
