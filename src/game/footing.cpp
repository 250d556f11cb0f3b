#include "game/footing.h"

#include "level/map.h"
#include "level/map_format.h"

#include <algorithm>
#include <vector>

namespace {
// How far along the floor, each way, a footing reaches when nothing is nearer.
constexpr int32_t footingMargin = 48;

struct Surface {
    IndexBox box;
    bool acts;
};

// The footing around the probe: the surfaces met in a band along it, at the
// probe's height, cut back before every surface that acts, lies at another
// height or past a gap; false when the probe itself meets one of those, or no
// surface at all.
bool findFooting(const IndexBox& probe, bool ball, IndexBox& footing, IndexBox& floor) {
    static std::vector<Surface> near;
    near.clear();
    IndexBox band{probe.x0 - footingMargin, probe.y0, probe.x1 + footingMargin, probe.y1};
    currentMap.blockIndex.forEachMeeting(band, [&](int32_t i, const IndexBox&) {
        const BlockData& b = currentMap.blocks[i];
        const Rect& r = b.surfaceRect;
        IndexBox box{r.x, r.y, r.x + r.width, r.y + r.height};
        if (b.solidRect.enabled && boxesMeet(box, band))
            near.push_back({box, touchActs(b.type, ball)});
    });
    // The floor under the probe: plain surfaces at one height.
    bool found = false;
    for (const Surface& s : near) {
        if (!boxesMeet(s.box, probe)) continue;
        if (s.acts) return false;
        if (!found) floor = s.box;
        if (s.box.y0 != floor.y0 || s.box.y1 != floor.y1) return false;
        floor.x0 = std::min(floor.x0, s.box.x0);
        floor.x1 = std::max(floor.x1, s.box.x1);
        found = true;
    }
    if (!found) return false;
    // Along it, the plain surfaces at that height that join it without a gap
    // (closed edges: one pixel apart still joins).
    std::sort(near.begin(), near.end(),
              [](const Surface& a, const Surface& b) { return a.box.x0 < b.box.x0; });
    auto joins = [&](const Surface& s) {
        return !s.acts && s.box.y0 == floor.y0 && s.box.y1 == floor.y1;
    };
    for (bool grew = true; grew;) {
        grew = false;
        for (const Surface& s : near)
            if (joins(s) && s.box.x0 <= floor.x1 + 1 && s.box.x1 >= floor.x0 - 1 &&
                (s.box.x0 < floor.x0 || s.box.x1 > floor.x1)) {
                floor.x0 = std::min(floor.x0, s.box.x0);
                floor.x1 = std::max(floor.x1, s.box.x1);
                grew = true;
            }
    }
    // The footing ends before anything else in the band, each of which lies
    // beside the probe (it does not meet it).
    footing = band;
    for (const Surface& s : near) {
        if (joins(s) && s.box.x0 >= floor.x0 && s.box.x1 <= floor.x1) continue;
        if (boxesMeet(s.box, probe)) return false;
        if (s.box.x1 < probe.x0)
            footing.x0 = std::max(footing.x0, s.box.x1 + 1);
        else
            footing.x1 = std::min(footing.x1, s.box.x0 - 1);
    }
    return true;
}
// A new footing for a probe outside the old one; false when there is none.
[[gnu::noinline]] bool learnFooting(MapMemo& memo, const IndexBox& probe, bool ball) {
    // A probe that found no footing here finds none again.
    const IndexBox& miss = memo.noFooting;
    if (probe.x0 == miss.x0 && probe.y0 == miss.y0 && probe.x1 == miss.x1 && probe.y1 == miss.y1)
        return false;
    // The old footing stays true; the body may walk back onto it.
    IndexBox footing, floor;
    if (!findFooting(probe, ball, footing, floor)) {
        memo.noFooting = probe;
        return false;
    }
    memo.footing = footing;
    memo.floor = floor;
    return true;
}
} // namespace

bool touchActs(int32_t blockType, bool ball) {
    switch (blockType) {
    case blockBounce:
    case blockHurt:
    case blockTurnMarker:
        return true;
    case blockGoal:
    case blockTeleport:
        return ball;
    default:
        return false;
    }
}

bool footingAnswers(Actor& actor, const IndexBox& probe, bool& meets) {
    MapMemo& memo = actor.memo;
    memo.keepTo(currentMap.blockIndex.generation());
    if (!boxInside(probe, memo.footing) &&
        !learnFooting(memo, probe, actor.role == ActorRole::Ball))
        return false;
    meets = boxesMeet(probe, memo.floor);
    return true;
}
