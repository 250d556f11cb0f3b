#include "tool/solver.h"

#include "game/ball.h"
#include "game/demo.h"
#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/play_snapshot.h"
#include "level/map.h"
#include "level/map_format.h"
#include "platform/clock.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <queue>
#include <unordered_map>

namespace {
struct Point {
    float x, y;
};

struct Node {
    PlaySnapshot snapshot;
    int32_t tick = 0;     // ticks simulated so far
    int32_t parent = -1;  // index into the node list
    uint8_t steering = 0; // held over the segment that led here
    int32_t segment = 0;  // its length in ticks
};

struct Queued {
    double priority;
    int64_t order; // ties go to the older node, for a repeatable search
    int32_t node;
    bool operator<(const Queued& other) const {
        if (priority != other.priority) return priority > other.priority;
        return order > other.order;
    }
};

uint64_t mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

uint64_t bits(float f) {
    uint32_t u;
    std::memcpy(&u, &f, 4);
    return u;
}

uint64_t hashActor(uint64_t h, const Actor& a) {
    for (float f : {a.x, a.y, a.velocityX, a.fallSpeed, a.riseSpeed})
        h = mix(h, bits(f));
    h = mix(h, (uint64_t)a.falling | (uint64_t)a.rising << 1 | (uint64_t)a.onGround << 2 |
                   (uint64_t)a.active << 3);
    return mix(h, (uint64_t)(uint32_t)a.direction << 32 | (uint32_t)a.lastMarker);
}

// What decides the rest of the run: the bodies, the treasures still lying and
// whether a cup was taken. The time is left out on purpose: the search reaches
// every state first at its earliest tick.
uint64_t stateKey() {
    uint64_t h = hashActor(1469598103934665603ULL, ball);
    for (int32_t i = 0; i < enemyCount; ++i)
        h = hashActor(h, enemies[i]);
    for (int32_t i = 0; i < currentMap.bonusCount; ++i)
        h = mix(h, currentMap.bonuses[i].active ? (uint64_t)i + 1 : 0);
    h = mix(h, (uint64_t)playRecord.cupThisStage | (uint64_t)(playState.state == Intro) << 1);
    return h;
}

float distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

class Search {
public:
    explicit Search(const SolverOptions& o) : options(o) {
        for (int32_t i = 0; i < currentMap.blockCount; ++i) {
            const BlockData& b = currentMap.blocks[i];
            if (b.type == blockGoal && b.solidRect.enabled)
                goals.push_back({(float)b.surfaceRect.x, (float)b.surfaceRect.y});
        }
        for (int32_t i = 0; i < currentMap.bonusCount; ++i)
            if (currentMap.bonuses[i].kind != 0) ++cupsOnStage;
    }

    SolverResult run() {
        auto started = std::chrono::steady_clock::now();
        SolverResult result;
        run_.begin();
        nodes.push_back({takeSnapshot(run_), 0, -1, 0, 0});
        open.push({estimate(0), order++, 0});
        seen[stateKey()] = 0;
        while (!open.empty()) {
            if (secondsSince(started) > options.budgetSeconds) break;
            int32_t current = open.top().node;
            open.pop();
            for (uint8_t steering : {steerRight, steerLeft, steerNone}) {
                int32_t child = expand(current, steering);
                ++result.statesExplored;
                if (child >= 0 && solved) {
                    result.found = true;
                    result.clearTick = clearTick;
                    result.steering = steeringTo(child);
                    result.seconds = secondsSince(started);
                    return result;
                }
            }
        }
        result.seconds = secondsSince(started);
        return result;
    }

private:
    static double secondsSince(std::chrono::steady_clock::time_point t) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
    }

    // Ticks still needed at the ball's top speed of two pixels a tick, by way of
    // the nearest cup when one must still be taken.
    double estimate(int32_t tick) const {
        Point at{ball.x, ball.y};
        float best = goals.empty() ? 0 : 1e9f;
        bool needCup = options.takeCups && playRecord.cups < cupsOnStage;
        for (Point goal : goals) {
            if (!needCup) {
                best = std::min(best, distance(at, goal));
                continue;
            }
            for (int32_t i = 0; i < currentMap.bonusCount; ++i) {
                const Bonus& b = currentMap.bonuses[i];
                if (!b.active || b.kind == 0) continue;
                Point cup{(float)b.x, (float)b.y};
                best = std::min(best, distance(at, cup) + distance(cup, goal));
            }
        }
        return tick + best / 2.0;
    }

    // Plays a segment of held steering from a node; the new node's index, or -1
    // when the segment ends the run without the clear wanted or reaches a state
    // already seen.
    int32_t expand(int32_t from, uint8_t steering) {
        restoreSnapshot(nodes[(size_t)from].snapshot, run_);
        int32_t tick = nodes[(size_t)from].tick;
        int32_t ticks = 0;
        for (; ticks < options.segmentTicks && tick < options.maxTicks; ++ticks, ++tick) {
            demoSteering[tick] = steering;
            gameTicks = 1;
            TickOutcome outcome = run_.tick();
            if (clearsThisRun > 0) {
                if (options.takeCups && playRecord.cups < cupsOnStage) return -1;
                solved = true;
                clearTick = tick;
                nodes.push_back({PlaySnapshot(), tick + 1, from, steering, ticks + 1});
                return (int32_t)nodes.size() - 1;
            }
            if (outcome != TickOutcome::Continue || playState.state == Dying || !ball.active)
                return -1;
        }
        if (ticks == 0) return -1;
        uint64_t key = stateKey();
        auto found = seen.find(key);
        if (found != seen.end()) return -1;
        nodes.push_back({takeSnapshot(run_), tick, from, steering, ticks});
        int32_t index = (int32_t)nodes.size() - 1;
        seen[key] = index;
        open.push({estimate(tick), order++, index});
        return index;
    }

    std::vector<uint8_t> steeringTo(int32_t node) const {
        std::vector<const Node*> path;
        for (int32_t n = node; n > 0; n = nodes[(size_t)n].parent)
            path.push_back(&nodes[(size_t)n]);
        std::vector<uint8_t> steering;
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            steering.insert(steering.end(), (size_t)(*it)->segment, (*it)->steering);
        return steering;
    }

    SolverOptions options;
    PlayRun run_;
    std::vector<Point> goals;
    int32_t cupsOnStage = 0;
    std::vector<Node> nodes;
    std::priority_queue<Queued> open;
    std::unordered_map<uint64_t, int32_t> seen;
    int64_t order = 0;
    bool solved = false;
    int32_t clearTick = -1;
};
} // namespace

SolverResult solveStage(const SolverOptions& options) {
    Search search(options);
    return search.run();
}
