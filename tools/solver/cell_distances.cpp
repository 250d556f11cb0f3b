#include "solver/cell_distances.h"

#include "level/map.h"
#include "level/map_format.h"

#include <algorithm>
#include <cmath>
#include <queue>

namespace {
// Ticks per cell: rolling or drifting across at two pixels a tick; rising
// within a throw (a rise-8 throw climbs four cells in 20 ticks); falling (a
// fall of four cells takes about 19 ticks).
constexpr int32_t acrossTicks = 8;
constexpr int32_t upTicks = 5;
constexpr int32_t downTicks = 3;
// How far a throw carries the ball sideways, in cells, while it rises.
constexpr int32_t throwDrift = 4;
// A bouncer's throw.
constexpr float bouncerRise = 8.0f;

// A falling ball gathers speed, so it drifts sideways less and less per row:
// a cell in its first row, then one every three rows (a fall of eleven rows
// drifts about four cells). Each cell is therefore seen in four ways: 0 at
// rest or slow (on the ground, at the top of a throw), 1 to 3 counting the
// rows fallen since the last drift.
constexpr int32_t layers = 4;

enum Cell : uint8_t { open = 0, filled = 1, deadly = 2 };

struct Edge {
    int32_t from, cost;
};

// How many cells a throw with this rise speed lifts the ball, by the same steps
// as the game's rise.
int32_t throwCells(float rise) {
    float speed = rise;
    int32_t pixels = 0;
    for (int i = 0; i < 1000; ++i) {
        speed -= 0.4f;
        if (speed < 0) break;
        pixels += (int32_t)speed;
    }
    // The ball's top reaches a little into the cell above its centre's.
    return (pixels + 12) / 16;
}

class CellGraph {
public:
    CellGraph() : width(currentMap.width), height(currentMap.height) {
        cells.assign(cellCount(), open);
        into.resize(cellCount() * layers);
        for (int32_t i = 0; i < currentMap.blockCount; ++i) {
            const BlockData& b = currentMap.blocks[i];
            if (!b.solidRect.enabled) continue;
            int32_t x = b.surfaceRect.x / 16, y = b.surfaceRect.y / 16;
            if (inside(x, y)) cells[cell(x, y)] = b.type == blockHurt ? deadly : filled;
        }
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x)
                if (isOpen(x, y)) addMoves(x, y);
        for (int32_t i = 0; i < currentMap.blockCount; ++i)
            addBlock(currentMap.blocks[i]);
        for (int32_t i = 0; i < enemyCount; ++i)
            if (enemies[i].kind == enemyBouncer) addBouncer(enemies[i]);
    }

    size_t cellCount() const { return (size_t)width * (size_t)height; }
    size_t nodeCount() const { return cellCount() * layers; }
    bool inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    size_t cell(int32_t x, int32_t y) const { return (size_t)y * width + x; }
    size_t node(int32_t x, int32_t y, int32_t layer) const { return cell(x, y) * layers + layer; }
    bool isOpen(int32_t x, int32_t y) const { return inside(x, y) && cells[cell(x, y)] == open; }
    // Standing ground: anything solid and harmless below.
    bool grounded(int32_t x, int32_t y) const {
        return inside(x, y + 1) && cells[cell(x, y + 1)] == filled;
    }

    const std::vector<Edge>& edgesInto(size_t node) const { return into[node]; }

private:
    // A ball that reaches the ground is at rest again.
    void link(int32_t fx, int32_t fy, int32_t fromLayer, int32_t tx, int32_t ty, int32_t toLayer,
              int32_t cost) {
        if (!isOpen(fx, fy) || !isOpen(tx, ty)) return;
        if (grounded(tx, ty)) toLayer = 0;
        into[node(tx, ty, toLayer)].push_back({(int32_t)node(fx, fy, fromLayer), cost});
    }

    void addMoves(int32_t x, int32_t y) {
        if (grounded(x, y)) {
            for (int32_t layer = 0; layer < layers; ++layer) {
                link(x, y, layer, x - 1, y, 0, acrossTicks);
                link(x, y, layer, x + 1, y, 0, acrossTicks);
            }
            return;
        }
        for (int32_t layer = 0; layer < layers; ++layer) {
            int32_t next = std::min(layer + 1, layers - 1);
            link(x, y, layer, x, y + 1, next, downTicks);
            if (layer != 0 && layer != layers - 1) continue;
            for (int32_t dx : {-1, 1})
                if (isOpen(x + dx, y)) link(x, y, layer, x + dx, y + 1, 1, acrossTicks);
        }
    }

    // A throw from (x, y): the open cells it can carry the ball to, found by
    // spreading upwards and sideways from there within its reach, each of them
    // reachable from the lower ones (and sideways at the same height). The ball
    // is slow at the top of a throw.
    void addThrow(int32_t x, int32_t y, int32_t reach) {
        if (!isOpen(x, y)) return;
        std::vector<std::pair<int32_t, int32_t>> cone{{0, 0}}; // (dx, up)
        std::vector<uint8_t> in((size_t)(2 * throwDrift + 1) * (size_t)(reach + 1), 0);
        auto slot = [&](int32_t dx, int32_t up) {
            return (size_t)up * (size_t)(2 * throwDrift + 1) + (size_t)(dx + throwDrift);
        };
        in[slot(0, 0)] = 1;
        for (size_t i = 0; i < cone.size(); ++i) {
            auto [dx, up] = cone[i];
            for (auto [mx, mu] : {std::pair{0, 1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}}) {
                int32_t nx = dx + mx, nu = up + mu;
                if (std::abs(nx) > throwDrift || nu > reach || in[slot(nx, nu)]) continue;
                if (!isOpen(x + nx, y - nu)) continue;
                if (mx != 0 && mu != 0 && (!isOpen(x + dx, y - nu) || !isOpen(x + nx, y - up)))
                    continue;
                in[slot(nx, nu)] = 1;
                cone.push_back({nx, nu});
            }
        }
        for (auto [adx, aup] : cone)
            for (auto [bdx, bup] : cone) {
                if (!(bup > aup || (bup == aup && bdx != adx))) continue;
                int32_t cost = std::max(upTicks * (bup - aup), acrossTicks * std::abs(bdx - adx));
                // From the launch in any state; within the throw, from rest.
                int32_t fromLayers = adx == 0 && aup == 0 ? layers : 1;
                for (int32_t layer = 0; layer < fromLayers; ++layer)
                    link(x + adx, y - aup, layer, x + bdx, y - bup, 0, cost);
            }
    }

    void addBlock(const BlockData& b) {
        if (!b.solidRect.enabled) return;
        int32_t x = b.surfaceRect.x / 16, y = b.surfaceRect.y / 16;
        if (b.type == blockBounce) {
            int32_t reach = throwCells(b.param1);
            addThrow(x, y - 1, reach);
            addThrow(x - 1, y, reach);
            addThrow(x + 1, y, reach);
        } else if (b.type == blockTeleport) {
            int32_t tx = (int32_t)std::floor((b.param1 + 8) / 16);
            int32_t ty = (int32_t)std::floor((b.param2 + 8) / 16);
            for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                for (int32_t layer = 0; layer < layers; ++layer)
                    link(x + dx, y + dy, layer, tx, ty, 0, 1);
        }
    }

    // Wherever the bouncer may walk: from its start in its direction until a wall,
    // the end of its ground or a turn marker, and back the other way from a marker.
    void addBouncer(const Enemy& e) {
        int32_t x = (int32_t)std::floor((e.startX + 8) / 16.0f);
        int32_t y = (int32_t)std::floor((e.startY + 8) / 16.0f);
        int32_t reach = throwCells(bouncerRise);
        addThrow(x, y, reach);
        auto walk = [&](int32_t dir) {
            bool marker = false;
            for (int32_t cx = x + dir; isOpen(cx, y) && grounded(cx, y); cx += dir) {
                addThrow(cx, y, reach);
                if (markerBelow(cx, y)) {
                    marker = true;
                    break;
                }
            }
            return marker;
        };
        int32_t dir = e.startDirection < 0 ? -1 : 1;
        if (e.startDirection == 0 || walk(dir)) walk(-dir);
    }

    bool markerBelow(int32_t x, int32_t y) const {
        for (int32_t i = 0; i < currentMap.blockCount; ++i) {
            const BlockData& b = currentMap.blocks[i];
            if (b.type == blockTurnMarker && b.surfaceRect.x / 16 == x &&
                b.surfaceRect.y / 16 == y + 1)
                return true;
        }
        return false;
    }

    int32_t width, height;
    std::vector<uint8_t> cells;
    std::vector<std::vector<Edge>> into; // by node: the edges that lead there
};
} // namespace

void CellDistances::build(const std::vector<std::pair<int32_t, int32_t>>& targets) {
    width = currentMap.width;
    height = currentMap.height;
    CellGraph graph;
    ticks.assign(graph.nodeCount(), unreachable);
    using Entry = std::pair<int32_t, int32_t>; // ticks, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    for (auto [x, y] : targets)
        if (graph.isOpen(x, y))
            for (int32_t layer = 0; layer < layers; ++layer) {
                ticks[graph.node(x, y, layer)] = 0;
                open.push({0, (int32_t)graph.node(x, y, layer)});
            }
    while (!open.empty()) {
        auto [t, at] = open.top();
        open.pop();
        if (t != ticks[(size_t)at]) continue;
        for (const Edge& e : graph.edgesInto((size_t)at))
            if (t + e.cost < ticks[(size_t)e.from]) {
                ticks[(size_t)e.from] = t + e.cost;
                open.push({t + e.cost, e.from});
            }
    }
}

int32_t CellDistances::fromCell(int32_t cx, int32_t cy, bool fast) const {
    if (cx < 0 || cy < 0 || cx >= width || cy >= height) return unreachable;
    size_t base = ((size_t)cy * width + cx) * layers;
    // A fast fall is somewhere in its count of rows; take the kindest.
    return fast ? std::min({ticks[base + 1], ticks[base + 2], ticks[base + 3]}) : ticks[base];
}

int32_t CellDistances::fromPixel(float x, float y, bool fast) const {
    int32_t cx = (int32_t)std::floor(x / 16), cy = (int32_t)std::floor(y / 16);
    int32_t here = fromCell(cx, cy, fast);
    if (here != unreachable) return here;
    // The ball straddles cells; the picture may have no way from the one that
    // holds its centre.
    int32_t best = unreachable;
    for (int32_t dy = -1; dy <= 1; ++dy)
        for (int32_t dx = -1; dx <= 1; ++dx) {
            int32_t t = fromCell(cx + dx, cy + dy, fast);
            if (t != unreachable) best = std::min(best, t + acrossTicks);
        }
    return best;
}

std::vector<std::pair<int32_t, int32_t>> goalCells() {
    std::vector<std::pair<int32_t, int32_t>> cells;
    for (int32_t i = 0; i < currentMap.blockCount; ++i) {
        const BlockData& b = currentMap.blocks[i];
        if (b.type != blockGoal || !b.solidRect.enabled) continue;
        int32_t cx = b.surfaceRect.x / 16, cy = b.surfaceRect.y / 16;
        for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
            cells.push_back({cx + dx, cy + dy});
    }
    return cells;
}

std::vector<std::pair<int32_t, int32_t>> cupCells(int32_t bonusIndex) {
    const Bonus& b = currentMap.bonuses[bonusIndex];
    int32_t cx = (b.x + 8) / 16, cy = (b.y + 8) / 16;
    // The ball takes it with any part of its box: from the cells around it,
    // and from two below (a cup at the top of a throw).
    std::vector<std::pair<int32_t, int32_t>> cells;
    for (int32_t dy = -1; dy <= 2; ++dy)
        for (int32_t dx = -1; dx <= 1; ++dx)
            cells.push_back({cx + dx, cy + dy});
    return cells;
}
