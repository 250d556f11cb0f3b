#pragma once

#include "assets/map_source.h"

#include <cstdint>
#include <string>
#include <vector>

// Plays the stage being edited through the game's own loop and drawing, in the
// game's frame, until the run ends or ESC leaves it; the editor's frame comes
// back afterwards. From the start, from a cell (cellX >= 0), or as a demo of a
// steering (the solver's answer). False, with the reason, when the stage does
// not compile.
bool testPlay(const StageSource& stage, int cellX, int cellY, const std::vector<uint8_t>* steering,
              std::string& fault);

// The editor's frame: 640 by 480, enlarged as the game's is.
constexpr int editorFrameWidth = 640, editorFrameHeight = 480;
