#include "level/box_index.h"

#include <algorithm>

namespace {
constexpr int32_t bucketSize = 16;
// Room around the map for bodies that stand at its edges or fall out of it.
constexpr int32_t marginBuckets = 8;
// A box wider or higher than this (a huge tile) is kept aside and offered to
// every query, so that the others stay cheap to find.
constexpr int32_t maxIndexedExtent = 4 * bucketSize;
} // namespace

void BoxIndex::clear() {
    static uint32_t builds = 0;
    *this = BoxIndex();
    builtAs = ++builds;
}

void BoxIndex::build(const std::vector<IndexBox>& boxes, const std::vector<bool>& present,
                     int32_t mapWidth, int32_t mapHeight) {
    clear();
    boxCount = (int32_t)boxes.size();
    originX = -marginBuckets * bucketSize;
    originY = -marginBuckets * bucketSize;
    columns = std::max(0, mapWidth) / bucketSize + 1 + 2 * marginBuckets;
    rows = std::max(0, mapHeight) / bucketSize + 1 + 2 * marginBuckets;
    bucketStart.assign((size_t)columns * rows + 1, 0);

    // The bucket a box is filed under, or -1 when it is kept aside.
    auto bucketOf = [&](const IndexBox& b) -> int32_t {
        bool small = b.x1 - b.x0 <= maxIndexedExtent && b.y1 - b.y0 <= maxIndexedExtent &&
                     b.x1 >= b.x0 && b.y1 >= b.y0;
        int32_t cx = bucketX(b.x0), cy = bucketY(b.y0);
        if (!small || cx < 0 || cy < 0 || cx >= columns || cy >= rows) return -1;
        return cy * columns + cx;
    };
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (!present[i]) continue;
        int32_t bucket = bucketOf(boxes[i]);
        if (bucket < 0) {
            everywhere.push_back({boxes[i], (int32_t)i});
            continue;
        }
        bucketStart[(size_t)bucket + 1] += 1;
        reachX = std::max(reachX, boxes[i].x1 - boxes[i].x0);
        reachY = std::max(reachY, boxes[i].y1 - boxes[i].y0);
    }
    for (size_t b = 1; b < bucketStart.size(); ++b)
        bucketStart[b] += bucketStart[b - 1];
    bucketItems.resize((size_t)bucketStart.back());
    std::vector<int32_t> fill(bucketStart.begin(), bucketStart.end() - 1);
    for (size_t i = 0; i < boxes.size(); ++i) {
        int32_t bucket = present[i] ? bucketOf(boxes[i]) : -1;
        if (bucket >= 0) bucketItems[(size_t)fill[(size_t)bucket]++] = {boxes[i], (int32_t)i};
    }
}

void BoxIndex::query(const IndexBox& probe, std::vector<int32_t>& out) const {
    out.clear();
    forEachMeeting(probe, [&](int32_t i, const IndexBox&) { out.push_back(i); });
    std::sort(out.begin(), out.end());
}
