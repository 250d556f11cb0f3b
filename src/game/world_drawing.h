#pragma once

// The world into the back buffer: the background strip (a quarter of the
// camera's horizontal speed, never vertical), the blocks, the lying treasures,
// the ball, the enemies and the particles, each later one over the earlier.
void drawMap();
