#pragma once

#include "level/box_index.h"

#include <cstdint>

// What the physics has learnt about the map near a body, to answer its next
// probes without the index. Blocks never move, so what is learnt holds for as
// long as the map's block index it was learnt from (`build`). It is not play:
// the map alone makes it true, whatever the body does.
struct MapMemo {
    // A box that no block meets.
    IndexBox clearArea{0, 0, -1, -1};
    // A box within which every block that meets a surface probe does nothing to
    // the body but block it, and such a probe meets one exactly when it meets
    // `floor` (the blocks' surfaces there, all at one height and without gaps).
    IndexBox footing{0, 0, -1, -1};
    IndexBox floor{0, 0, -1, -1};
    // The last probe that found no footing.
    IndexBox noFooting{0, 0, -1, -1};
    uint32_t build = 0;

    // Forgets what was learnt from another build of the index.
    void keepTo(uint32_t indexBuild) {
        if (build == indexBuild) return;
        *this = MapMemo();
        build = indexBuild;
    }
};

inline bool boxInside(const IndexBox& inner, const IndexBox& outer) {
    return inner.x0 >= outer.x0 && inner.x1 <= outer.x1 && inner.y0 >= outer.y0 &&
           inner.y1 <= outer.y1;
}
