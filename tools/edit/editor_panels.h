#pragma once

#include "platform/picture.h"

struct EditorState;

// The panels around the stage view on the editor's 640 by 480 page: the stage
// panel along the top (name, tileset, tune, background, time limit), the
// palette and the side panel on the right (the legend's keys, the enemy kinds,
// the start; the parameters of what is chosen), the status line at the bottom
// (the live check's verdict, the last message, the cell under the pointer).
void drawPanels(Picture& page, const EditorState& state, int hoverX, int hoverY);

// A click on a panel: left steps a value up (or chooses), right steps it down.
// False when the click was on no panel.
bool clickPanels(EditorState& state, int x, int y, bool right);

// The side panel starts at this x; the status line at this y.
constexpr int sidePanelLeft = 512;
constexpr int statusTop = 432;
