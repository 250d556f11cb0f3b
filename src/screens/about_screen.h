#pragma once

// The credits, one line at a time, pulsing with the logo while sparks fly
// from the middle of the screen; any button leaves.
void aboutScreen();

// The modding guide the screen names, where this installation holds it; set by
// start-up.
void setModdingGuidePath(const char* path);
