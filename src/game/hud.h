#pragma once

// Everything drawn over the world during play.

// Gold, cups, lives and time along the top edge.
void drawStatusBar();
// By the play state: the stage title and the run's kind in the intro, the
// game-over picture, "HURRY UP!!", the "1UP!" popup, the camera-lock icon.
void drawOverlays();
// The beginner notes panel at (x, y), half transparent.
void drawBeginnerNotes(int x, int y);

// The demo's name for the intro's "Playback of " line.
extern char playbackDemoName[80];
