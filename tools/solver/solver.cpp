#include "solver/solver.h"
#include "solver/cell_distances.h"

#include "game/ball.h"
#include "game/demo.h"
#include "game/game_loop.h"
#include "game/play_records.h"
#include "game/play_snapshot.h"
#include "level/map.h"
#include "level/map_format.h"
#include "platform/clock.h"

#include "solver/helper_process.h"
#include "solver/seen_states.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <unordered_set>

namespace {
// Added to the estimate of a state from which the cells see no way on: such
// states are tried last, not never.
constexpr double lostTicks = 600;

struct Point {
    float x, y;
};

// The snapshots of the nodes still waiting to be expanded, in slots of one size
// in large blocks; a slot freed by an expanded node is used again.
class Moments {
public:
    explicit Moments(size_t slotBytes) : size(slotBytes) {}
    int32_t take() {
        if (!freed.empty()) {
            int32_t slot = freed.back();
            freed.pop_back();
            return slot;
        }
        if (used % perBlock == 0) blocks.emplace_back(new uint8_t[size * perBlock]);
        return used++;
    }
    void give(int32_t slot) { freed.push_back(slot); }
    uint8_t* at(int32_t slot) {
        return blocks[(size_t)slot / perBlock].get() + size * ((size_t)slot % perBlock);
    }

private:
    static constexpr size_t perBlock = 4096;
    size_t size;
    int32_t used = 0;
    std::vector<std::unique_ptr<uint8_t[]>> blocks;
    std::vector<int32_t> freed;
};

struct Node {
    int32_t moment = -1;  // slot of its snapshot while it waits to be expanded
    int32_t tick = 0;     // ticks simulated so far
    int32_t parent = -1;  // index into the node list
    uint8_t steering = 0; // held over the segment that led here
    int32_t segment = 0;  // its length in ticks
};

// Sixteen bytes, so that a step down the heap touches fewer lines of the cache.
struct Queued {
    double priority;
    int32_t order; // ties go to the older node, for a repeatable search
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

// Speeds rounded to `grain` (0: exact; below 0: left out). Positions are whole
// pixels anyway.
uint64_t hashActor(uint64_t h, const Actor& a, float grain) {
    for (float f : {a.x, a.y})
        h = mix(h, bits(f));
    for (float f : {a.velocityX, a.fallSpeed, a.riseSpeed})
        if (grain >= 0) h = mix(h, grain > 0 ? (uint64_t)(int64_t)std::lround(f / grain) : bits(f));
    h = mix(h, (uint64_t)a.falling | (uint64_t)a.rising << 1 | (uint64_t)a.onGround << 2 |
                   (uint64_t)a.active << 3);
    return mix(h, (uint64_t)(uint32_t)a.direction << 32 | (uint32_t)a.lastMarker);
}

// What decides the rest of the run: the bodies, the cups still lying and
// whether a cup was taken. Gold is left out: it never changes how the ball
// moves, and keeping it would split every state by the coins taken on the way
// there. The time is left out on purpose: the search reaches every state first
// at its earliest tick.
//
// A coarse search also takes states for the same that differ only in the
// ball's speeds by less than a quarter of a pixel per tick, in the enemies'
// speeds (an enemy leaning on a wall cycles through speeds without moving), or
// in enemies more than a screen away (else enemies walking to and fro make
// every tick a new state, and waiting anywhere is never seen to repeat): far
// fewer states, at the risk of missing a way that needs the finer difference,
// such as arriving later to meet a distant enemy elsewhere. Whatever it finds
// is exact all the same: every step is simulated from the state it came from.
constexpr float farX = 400, farY = 300;

uint64_t stateKey(bool coarse) {
    uint64_t h = hashActor(1469598103934665603ULL, ball, coarse ? 0.25f : 0);
    for (int32_t i = 0; i < enemyCount; ++i) {
        const Enemy& e = enemies[i];
        if (coarse && (std::abs(e.x - ball.x) > farX || std::abs(e.y - ball.y) > farY)) continue;
        h = hashActor(h, e, coarse ? -1.0f : 0);
    }
    for (int32_t i = 0; i < currentMap.bonusCount; ++i)
        if (currentMap.bonuses[i].kind != 0)
            h = mix(h, currentMap.bonuses[i].active ? (uint64_t)i + 1 : 0);
    h = mix(h, (uint64_t)playRecord.cupThisStage | (uint64_t)(playState.state == Intro) << 1);
    return h;
}

float distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

class Search {
public:
    explicit Search(const SolverOptions& o) : options(o), moments(snapshotSize()) {
        for (int32_t i = 0; i < currentMap.blockCount; ++i) {
            const BlockData& b = currentMap.blocks[i];
            if (b.type == blockGoal && b.solidRect.enabled)
                goals.push_back({(float)b.surfaceRect.x, (float)b.surfaceRect.y});
        }
        toGoal.build(goalCells());
        cupFields.resize((size_t)currentMap.bonusCount);
        for (int32_t i = 0; i < currentMap.bonusCount; ++i)
            if (currentMap.bonuses[i].kind != 0) {
                ++cupsOnStage;
                cupFields[(size_t)i].build(cupCells(i));
            }
    }

    SolverResult run() {
        auto started = std::chrono::steady_clock::now();
        SolverResult result;
        run_.begin();
        nodes.push_back({capture(), 0, -1, 0, 0});
        pushOpen({estimate(0), order++, 0});
        seen.insert(stateKey(options.coarse));
        if (options.helpers > 0) startHelper();
        while (!open.empty()) {
            if (secondsSince(started) > options.budgetSeconds) break;
            if (options.cancel && options.cancel->load(std::memory_order_relaxed)) {
                result.cancelled = true;
                break;
            }
            if (helper.running() && helper.idle()) collectAndSend();
            int32_t current = open.front().node;
            std::pop_heap(open.begin(), open.end());
            open.pop_back();
            if (nodes.size() >= options.maxNodes) break;
            Expansion expansion = expansionOf(current);
            for (int k = 0; k < 3; ++k) {
                int32_t child = commit(current, steerings[k], expansion.children[k]);
                ++result.statesExplored;
                if (child >= 0 && solved) {
                    // The game is left as the clear left it (the time, the cups),
                    // whichever process played it first.
                    int32_t scratch = moments.take();
                    play(moments.at(nodes[(size_t)current].moment), nodes[(size_t)current].tick,
                         steerings[k], moments.at(scratch));
                    result.found = true;
                    result.clearTick = clearTick;
                    result.steering = steeringTo(child);
                    result.seconds = secondsSince(started);
                    helper.stop();
                    return result;
                }
            }
            // Expanded: only the way back to it is still needed.
            moments.give(nodes[(size_t)current].moment);
            nodes[(size_t)current].moment = -1;
        }
        helper.stop();
        result.seconds = secondsSince(started);
        return result;
    }

private:
    static double secondsSince(std::chrono::steady_clock::time_point t) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
    }

    // Ticks still needed, by way of the nearest cup when one must still be
    // taken: from the cells' distances where they reach the ball, else at the
    // ball's top speed of two pixels a tick in a straight line.
    double estimate(int32_t tick) const {
        Point at{ball.x, ball.y};
        Point centre{ball.x + 8, ball.y + 8};
        // Faster than after a fall of one cell.
        bool fast = ball.falling && ball.fallSpeed >= 3.6f;
        bool needCup = options.takeCups && playRecord.cups < cupsOnStage;
        double best = goals.empty() ? 0 : 1e9;
        if (!needCup) {
            int32_t cells = toGoal.fromPixel(centre.x, centre.y, fast);
            if (cells != CellDistances::unreachable)
                best = cells;
            else
                for (Point goal : goals)
                    best = std::min(best, distance(at, goal) / 2.0 + lostTicks);
        } else {
            for (int32_t i = 0; i < currentMap.bonusCount; ++i) {
                const Bonus& b = currentMap.bonuses[i];
                if (!b.active || b.kind == 0) continue;
                Point cup{(float)b.x, (float)b.y};
                int32_t there = cupFields[(size_t)i].fromPixel(centre.x, centre.y, fast);
                int32_t on = toGoal.fromPixel(cup.x + 8, cup.y + 8, false);
                if (there != CellDistances::unreachable && on != CellDistances::unreachable) {
                    best = std::min(best, (double)there + on);
                    continue;
                }
                for (Point goal : goals)
                    best =
                        std::min(best, (distance(at, cup) + distance(cup, goal)) / 2.0 + lostTicks);
            }
        }
        return tick + options.weight * best;
    }

    int32_t capture() {
        int32_t slot = moments.take();
        takeSnapshot(run_, moments.at(slot));
        return slot;
    }

    // What a segment of held steering from a node led to. Played from the
    // node's snapshot alone, so that the helper can play it as well as the
    // search.
    struct Outcome {
        enum Kind : int32_t { DeadEnd, State, Cleared };
        Kind kind = DeadEnd;
        int32_t tick = 0;  // State: the tick reached; Cleared: the tick of the clear
        int32_t ticks = 0; // the segment's length (Cleared: with the tick of the clear)
        uint64_t key = 0;
        double priority = 0;
    };
    // An outcome with the snapshot of its state in a slot of `moments`.
    struct Child {
        Outcome outcome;
        int32_t moment = -1;
    };
    struct Expansion {
        Child children[3];
    };
    static constexpr uint8_t steerings[3] = {steerRight, steerLeft, steerNone};

    // Plays a segment from a snapshot at `tick`; a new state's snapshot goes to
    // `out`. A run that ends without the clear wanted is a dead end.
    Outcome play(const uint8_t* from, int32_t tick, uint8_t steering, uint8_t* out) {
        restoreSnapshot(from, run_);
        Outcome o;
        int32_t ticks = 0;
        for (; ticks < options.segmentTicks && tick < options.maxTicks; ++ticks, ++tick) {
            demoSteering[tick] = steering;
            // Many ticks pending, as the tool feeds the clock: a teleport's fades
            // then run through them without drawing a frame.
            gameTicks = 1 << 20;
            TickOutcome outcome = run_.tick();
            if (clearsThisRun > 0) {
                if (options.takeCups && playRecord.cups < cupsOnStage) return o;
                return {Outcome::Cleared, tick, ticks + 1, 0, 0};
            }
            if (outcome != TickOutcome::Continue || playState.state == Dying || !ball.active)
                return o;
        }
        if (ticks == 0) return o;
        takeSnapshot(run_, out);
        return {Outcome::State, tick, ticks, stateKey(options.coarse), estimate(tick)};
    }

    // The three segments from a node: played by the helper already, or now.
    Expansion expansionOf(int32_t node) {
        auto found = ready.find(node);
        if (found != ready.end()) {
            Expansion e = found->second;
            ready.erase(found);
            return e;
        }
        // A batch still playing it will find it expanded.
        if (inFlight.count(node)) expandedMeanwhile.insert(node);
        Expansion e;
        for (int k = 0; k < 3; ++k) {
            int32_t slot = moments.take();
            e.children[k].outcome = play(moments.at(nodes[(size_t)node].moment),
                                         nodes[(size_t)node].tick, steerings[k], moments.at(slot));
            if (e.children[k].outcome.kind == Outcome::State)
                e.children[k].moment = slot;
            else
                moments.give(slot);
        }
        return e;
    }

    // The child as the search takes it, in the order it always has: a new
    // node, or -1 for a dead end or a state already seen.
    int32_t commit(int32_t from, uint8_t steering, const Child& child) {
        const Outcome& o = child.outcome;
        if (o.kind == Outcome::Cleared) {
            solved = true;
            clearTick = o.tick;
            nodes.push_back({-1, o.tick + 1, from, steering, o.ticks});
            return (int32_t)nodes.size() - 1;
        }
        if (o.kind == Outcome::DeadEnd || !seen.insert(o.key)) {
            if (child.moment >= 0) moments.give(child.moment);
            return -1;
        }
        nodes.push_back({child.moment, o.tick, from, steering, o.ticks});
        int32_t index = (int32_t)nodes.size() - 1;
        pushOpen({o.priority, order++, index});
        return index;
    }

    void pushOpen(const Queued& q) {
        open.push_back(q);
        std::push_heap(open.begin(), open.end());
    }

    // The helper plays nodes near the top of the waiting states while the
    // search expands the top one; the search takes their outcomes in its own
    // order, so it finds exactly what it finds alone.
    static constexpr int batchSize = 48;

    void startHelper() {
        size_t snapshot = snapshotSize();
        helper.start(2 * sizeof(int32_t) + snapshot, 3 * (sizeof(Outcome) + snapshot), batchSize,
                     [this, snapshot](const uint8_t* job, uint8_t* result) {
                         int32_t tick;
                         std::memcpy(&tick, job + sizeof(int32_t), sizeof tick);
                         const uint8_t* from = job + 2 * sizeof(int32_t);
                         for (int k = 0; k < 3; ++k) {
                             uint8_t* at = result + k * (sizeof(Outcome) + snapshot);
                             Outcome o = play(from, tick, steerings[k], at + sizeof(Outcome));
                             std::memcpy(at, &o, sizeof o);
                         }
                     });
    }

    void collectAndSend() {
        size_t snapshot = snapshotSize();
        for (size_t i = 0; i < sent.size(); ++i) {
            int32_t node = sent[i];
            inFlight.erase(node);
            if (expandedMeanwhile.erase(node)) continue;
            Expansion e;
            const uint8_t* result = helper.result((int)i);
            for (int k = 0; k < 3; ++k) {
                const uint8_t* at = result + k * (sizeof(Outcome) + snapshot);
                std::memcpy(&e.children[k].outcome, at, sizeof(Outcome));
                if (e.children[k].outcome.kind != Outcome::State) continue;
                e.children[k].moment = moments.take();
                std::memcpy(moments.at(e.children[k].moment), at + sizeof(Outcome), snapshot);
            }
            ready.emplace(node, e);
        }
        sent.clear();
        // The next batch: waiting nodes high in the heap (not the top, which the
        // search takes now) that nobody has played yet.
        size_t look = std::min(open.size(), (size_t)batchSize * 4);
        for (size_t h = 1; h < look && (int)sent.size() < batchSize; ++h) {
            int32_t node = open[h].node;
            if (ready.count(node) || inFlight.count(node)) continue;
            uint8_t* job = helper.job((int)sent.size());
            std::memcpy(job, &node, sizeof node);
            std::memcpy(job + sizeof(int32_t), &nodes[(size_t)node].tick, sizeof(int32_t));
            std::memcpy(job + 2 * sizeof(int32_t), moments.at(nodes[(size_t)node].moment),
                        snapshot);
            sent.push_back(node);
            inFlight.insert(node);
        }
        if (!sent.empty()) helper.send((int)sent.size());
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
    CellDistances toGoal;
    std::vector<CellDistances> cupFields; // by bonus, for the cups
    int32_t cupsOnStage = 0;
    Moments moments;
    HelperProcess helper;
    std::vector<int32_t> sent; // the batch with the helper
    std::unordered_set<int32_t> inFlight, expandedMeanwhile;
    std::unordered_map<int32_t, Expansion> ready; // played by the helper
    std::vector<Node> nodes;
    // The states waiting, as a heap ordered as std::priority_queue orders it.
    std::vector<Queued> open;
    SeenStates seen;
    int32_t order = 0;
    bool solved = false;
    int32_t clearTick = -1;
};
} // namespace

SolverResult solveStage(const SolverOptions& options) {
    Search search(options);
    return search.run();
}
