#include "edit/stage_faults.h"

namespace {
std::string cellText(int x, int y) {
    return "column " + std::to_string(x) + ", row " + std::to_string(y);
}

class Cells {
public:
    explicit Cells(const StageSource& s) : s(s) {}
    int width() const { return s.grid.empty() ? 0 : (int)s.grid[0].size(); }
    int height() const { return (int)s.grid.size(); }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
    const StageKey* at(int x, int y) const {
        if (!inside(x, y) || x >= (int)s.grid[y].size()) return nullptr;
        return s.key(s.grid[y][x]);
    }
    bool solid(int x, int y) const {
        const StageKey* k = at(x, y);
        return k && k->solid;
    }

private:
    const StageSource& s;
};
} // namespace

std::string stageFault(const StageSource& s) {
    Cells cells(s);
    long blocks = 0;
    bool goal = false;
    for (int y = 0; y < cells.height(); ++y)
        for (int x = 0; x < cells.width(); ++x)
            if (const StageKey* k = cells.at(x, y)) {
                ++blocks;
                goal = goal || k->type == blockGoal;
            }
    if (cells.width() > maxMapCells || cells.height() > maxMapCells || blocks > maxMapBlocks ||
        (long)s.enemies.size() > maxMapEnemies)
        return "Too large for a map: " + std::to_string(cells.width()) + " x " +
               std::to_string(cells.height()) + " cells, " + std::to_string(blocks) + " blocks, " +
               std::to_string(s.enemies.size()) + " enemies (at most " +
               std::to_string(maxMapCells) + " cells each way, " + std::to_string(maxMapBlocks) +
               " blocks, " + std::to_string(maxMapEnemies) + " enemies)";
    if (!s.hasStart) return "No start: place the ball";
    if (!goal) return "No goal";
    int px = s.startInPixels ? s.startX : s.startX * 16;
    int py = s.startInPixels ? s.startY : s.startY * 16;
    if (!cells.inside(px / 16, py / 16) || px < 0 || py < 0)
        return "The start lies outside the stage";
    // The ball is a cell large; off the grid it covers up to four cells.
    for (int y = py / 16; y <= (py + 15) / 16; ++y)
        for (int x = px / 16; x <= (px + 15) / 16; ++x)
            if (cells.solid(x, y)) return "The start lies inside a block at " + cellText(x, y);
    for (int y = 0; y < cells.height(); ++y)
        for (int x = 0; x < cells.width(); ++x) {
            const StageKey* k = cells.at(x, y);
            if (!k || k->type != blockTeleport) continue;
            if (!cells.inside(k->targetX, k->targetY) || cells.solid(k->targetX, k->targetY))
                return "The teleport at " + cellText(x, y) + " leads nowhere (" +
                       cellText(k->targetX, k->targetY) + ")";
        }
    for (const StageEnemy& e : s.enemies)
        if (!cells.inside(e.cellX, e.cellY) || cells.solid(e.cellX, e.cellY))
            return "An enemy stands inside a wall at " + cellText(e.cellX, e.cellY);
    return {};
}
