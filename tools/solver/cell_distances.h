#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// About how many ticks the ball needs from each cell of the loaded stage to a
// place, found over a rough picture of how the ball can move between cells:
// it rolls along ground, falls (drifting sideways), rises only within the reach
// of a bounce block or a bouncer's throw, and is carried by teleports. This
// guides the solver around walls and up the right shafts, where a straight line
// would lead it to explore every corner that lies nearer to the goal.
class CellDistances {
public:
    static constexpr int32_t unreachable = INT32_MAX;

    // From every cell to the nearest of `targets` (cell x, y pairs).
    void build(const std::vector<std::pair<int32_t, int32_t>>& targets);
    // The ticks from the cell that holds pixel (x, y), else from the best cell
    // around it; unreachable where the picture finds no way. `fast`: the ball
    // is falling fast, so it can no longer drift much.
    int32_t fromPixel(float x, float y, bool fast) const;
    int32_t fromCell(int32_t cx, int32_t cy, bool fast) const;

private:
    int32_t width = 0, height = 0;
    std::vector<int32_t> ticks; // by cell and state of the fall
};

// The cells beside the stage's goal blocks, and the cells around a cup.
std::vector<std::pair<int32_t, int32_t>> goalCells();
std::vector<std::pair<int32_t, int32_t>> cupCells(int32_t bonusIndex);
