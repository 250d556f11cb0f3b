#include "game/free_steps.h"

#include "game/actor_physics.h"
#include "level/map.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
// How far around its steps a body's clear area reaches, when no block is nearer.
constexpr int32_t clearMargin = 48;

IndexBox boxOf(const Rect& r) {
    return {r.x, r.y, r.x + r.width, r.y + r.height};
}

// The probe's box with the body at `at` on the moving axis.
IndexBox boxAt(const Actor& actor, bool vertical, float at, const Rect& r) {
    int x = (int)((vertical ? actor.x : at) + (float)r.x);
    int y = (int)((vertical ? at : actor.y) + (float)r.y);
    return {x, y, x + r.width, y + r.height};
}

// The boxes of the probe at every step from `first` to `last`. Adding the same
// step again and again only ever grows (or only ever shrinks) a position, and
// so the probe's box: those at the ends span all the others.
inline IndexBox stepsBox(const Actor& actor, bool vertical, float first, float last,
                         const Rect& r) {
    float low = std::min(first, last), high = std::max(first, last);
    if (vertical) {
        int x = (int)(actor.x + (float)r.x);
        return {x, (int)(low + (float)r.y), x + r.width, (int)(high + (float)r.y) + r.height};
    }
    int y = (int)(actor.y + (float)r.y);
    return {(int)(low + (float)r.x), y, (int)(high + (float)r.x) + r.width, y + r.height};
}

// The box around `steps` (grown by the margin, then cut back before every block
// in it, across the motion where it can, so the way ahead stays open) that no
// block meets; `steps` must be clear itself.
IndexBox findClearArea(const IndexBox& steps, bool vertical) {
    IndexBox clear{steps.x0 - clearMargin, steps.y0 - clearMargin, steps.x1 + clearMargin,
                   steps.y1 + clearMargin};
    // The index's boxes hold both rectangles of their blocks.
    currentMap.blockIndex.forEachMeeting(clear, [&](int32_t, const IndexBox& b) {
        bool apartX = b.x1 < steps.x0 || b.x0 > steps.x1;
        bool apartY = b.y1 < steps.y0 || b.y0 > steps.y1;
        if (vertical ? apartX : !apartY) {
            if (b.x1 < steps.x0)
                clear.x0 = std::max(clear.x0, b.x1 + 1);
            else
                clear.x1 = std::min(clear.x1, b.x0 - 1);
        } else {
            if (b.y1 < steps.y0)
                clear.y0 = std::max(clear.y0, b.y1 + 1);
            else
                clear.y1 = std::min(clear.y1, b.y0 - 1);
        }
    });
    return clear;
}

// What the steps' probes may meet when the quick answers fail: blocks'
// rectangles for the probe, treasures lying and enemies for the ball's hull.
std::vector<IndexBox> nearBlocks, nearThings;

// The blocks' rectangles of the kinds asked for that meet the box of the steps.
// When no block's box meets it at all, the body learns a new clear area around
// it instead.
void gatherBlocks(MapMemo& memo, const IndexBox& steps, bool vertical, bool solid, bool surface) {
    nearBlocks.clear();
    bool any = false;
    currentMap.blockIndex.forEachMeeting(steps, [&](int32_t i, const IndexBox&) {
        any = true;
        const BlockData& b = currentMap.blocks[i];
        if (!b.solidRect.enabled) return;
        if (solid && boxesMeet(steps, boxOf(b.solidRect))) nearBlocks.push_back(boxOf(b.solidRect));
        if (surface && boxesMeet(steps, boxOf(b.surfaceRect)))
            nearBlocks.push_back(boxOf(b.surfaceRect));
    });
    if (!any) memo.clearArea = findClearArea(steps, vertical);
}

// Treasures taken and enemies dead stay so while the ball moves.
void gatherHullThings(const IndexBox& hull) {
    nearThings.clear();
    currentMap.bonusIndex.forEachMeeting(hull, [&](int32_t i, const IndexBox& box) {
        if (currentMap.bonuses[i].active) nearThings.push_back(box);
    });
    for (int32_t i = 0; i < enemyCount; ++i) {
        const Enemy& e = enemies[i];
        if (!e.active) continue;
        int x, y;
        worldRect(e.hullBox, e, x, y);
        IndexBox box{x, y, x + e.hullBox.width, y + e.hullBox.height};
        if (boxesMeet(hull, box)) nearThings.push_back(box);
    }
}

bool meetsAny(const IndexBox& box, const std::vector<IndexBox>& things) {
    for (const IndexBox& t : things)
        if (boxesMeet(box, t)) return true;
    return false;
}

// The steps when the body's clear area does not settle them alone: the blocks
// and (the ball's) treasures and enemies near them, step by step.
[[gnu::noinline]] int takeStepsNearThings(Actor& actor, bool vertical, float step, int count,
                                          const Rect& rect, bool solid, bool surface,
                                          const IndexBox& steps, float last) {
    float& position = vertical ? actor.y : actor.x;
    nearBlocks.clear();
    if (!boxInside(steps, actor.memo.clearArea))
        gatherBlocks(actor.memo, steps, vertical, solid, surface);
    nearThings.clear();
    if (actor.role == ActorRole::Ball)
        gatherHullThings(stepsBox(actor, vertical, position + step, last, actor.hullBox));
    if (nearBlocks.empty() && nearThings.empty()) {
        position = last;
        return count;
    }
    float at = position;
    for (int j = 0; j < count; ++j) {
        float next = at + step;
        if (meetsAny(boxAt(actor, vertical, next, rect), nearBlocks) ||
            (!nearThings.empty() &&
             meetsAny(boxAt(actor, vertical, next, actor.hullBox), nearThings))) {
            position = at;
            return j;
        }
        at = next;
    }
    position = at;
    return count;
}
} // namespace

int takeFreeSteps(Actor& actor, bool vertical, float step, int count, const Rect& rect, bool solid,
                  bool surface) {
    if (count <= 0) return 0;
    // The same additions as the steps make, so the same positions to the last bit.
    float& position = vertical ? actor.y : actor.x;
    float first = position + step, last = first;
    if (vertical) {
        // The world's side edges block; going up or down the body's x stays.
        if (atWorldEdge(actor.x)) return 0;
        for (int n = 1; n < count; ++n)
            last += step;
    } else {
        if (atWorldEdge(first)) return 0;
        int n = 1;
        for (; n < count && !atWorldEdge(last + step); ++n)
            last += step;
        count = n;
    }
    IndexBox steps = stepsBox(actor, vertical, first, last, rect);
    actor.memo.keepTo(currentMap.blockIndex.generation());
    if (actor.role != ActorRole::Ball && boxInside(steps, actor.memo.clearArea)) {
        position = last;
        return count;
    }
    return takeStepsNearThings(actor, vertical, step, count, rect, solid, surface, steps, last);
}
