#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// A closed box of world pixels: [x0, x1] x [y0, y1], edges included, as the
// collision test counts them.
struct IndexBox {
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

inline bool boxesMeet(const IndexBox& a, const IndexBox& b) {
    return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

// Finds which of a fixed list of boxes may meet a probe without looking at every
// one: a grid of 16-pixel buckets over the map, built once when a stage loads,
// each box filed once, under the bucket of its top-left corner, with a copy of
// the box. A query looks at the buckets from the probe's top-left corner less
// the largest filed box up to its bottom-right corner. Boxes far outside the map
// or larger than a few buckets are kept aside and looked at by every query.
class BoxIndex {
public:
    // `present[i]` false leaves box i out for good. The grid covers the map of
    // the given size in pixels.
    void build(const std::vector<IndexBox>& boxes, const std::vector<bool>& present,
               int32_t mapWidth, int32_t mapHeight);
    void clear();
    // Calls `visit(index, box)` once for every box that meets the probe, in no
    // particular order.
    template <typename Visit> void forEachMeeting(const IndexBox& probe, Visit&& visit) const;
    // The indices of the boxes that meet [x0, x1] x [y0, y1], ascending.
    void query(const IndexBox& probe, std::vector<int32_t>& out) const;
    int32_t size() const { return boxCount; }
    // Which build this is: another build (another stage) has another number, so
    // what was learnt from this one is not taken for it.
    uint32_t generation() const { return builtAs; }

private:
    int32_t bucketX(int32_t x) const;
    int32_t bucketY(int32_t y) const;

    int32_t boxCount = 0;
    uint32_t builtAs = 0;
    int32_t originX = 0, originY = 0; // pixel of bucket (0, 0)
    int32_t columns = 0, rows = 0;
    // The widest and the highest filed box (x1 - x0, y1 - y0): a box meets a
    // probe only if its corner lies this far before the probe's, or nearer.
    int32_t reachX = 0, reachY = 0;
    struct Filed {
        IndexBox box;
        int32_t index;
    };
    std::vector<int32_t> bucketStart; // columns * rows + 1 offsets into bucketItems
    std::vector<Filed> bucketItems;
    std::vector<Filed> everywhere; // boxes looked at by every query
};

inline int32_t BoxIndex::bucketX(int32_t x) const {
    // 16-pixel buckets, rounded down for negative offsets too.
    return (x - originX) >> 4;
}

inline int32_t BoxIndex::bucketY(int32_t y) const {
    return (y - originY) >> 4;
}

template <typename Visit>
void BoxIndex::forEachMeeting(const IndexBox& probe, Visit&& visit) const {
    if (boxCount == 0) return;
    auto clampTo = [](int32_t v, int32_t last) { return std::min(std::max(v, 0), last); };
    int32_t cx0 = clampTo(bucketX(probe.x0 - reachX), columns - 1);
    int32_t cx1 = clampTo(bucketX(probe.x1), columns - 1);
    int32_t cy0 = clampTo(bucketY(probe.y0 - reachY), rows - 1);
    int32_t cy1 = clampTo(bucketY(probe.y1), rows - 1);
    const Filed* items = bucketItems.data();
    for (int32_t cy = cy0; cy <= cy1; ++cy) {
        const int32_t* starts = &bucketStart[(size_t)cy * columns];
        for (int32_t k = starts[cx0], end = starts[cx1 + 1]; k < end; ++k)
            if (boxesMeet(items[k].box, probe)) visit(items[k].index, items[k].box);
    }
    for (const Filed& f : everywhere)
        if (boxesMeet(f.box, probe)) visit(f.index, f.box);
}
