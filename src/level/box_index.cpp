#include "level/box_index.h"

#include <algorithm>

namespace {
constexpr int32_t bucketSize = 16;
// Room around the map for bodies that stand at its edges or fall out of it.
constexpr int32_t marginBuckets = 8;
// A box wider or higher than this (a huge tile) is kept aside and offered to
// every query, so that the others stay cheap to find.
constexpr int32_t maxIndexedExtent = 4 * bucketSize;

int32_t floorDiv(int32_t value, int32_t size) {
    return value >= 0 ? value / size : -((-value + size - 1) / size);
}
} // namespace

int32_t BoxIndex::bucketX(int32_t x) const {
    return floorDiv(x - originX, bucketSize);
}

int32_t BoxIndex::bucketY(int32_t y) const {
    return floorDiv(y - originY, bucketSize);
}

void BoxIndex::clear() {
    *this = BoxIndex();
}

// Each box is filed under the bucket of its top-left corner only; a query looks
// as far up and to the left as the largest filed box reaches.
void BoxIndex::build(const std::vector<IndexBox>& boxes, const std::vector<bool>& present,
                     int32_t mapWidth, int32_t mapHeight) {
    clear();
    boxCount = (int32_t)boxes.size();
    originX = -marginBuckets * bucketSize;
    originY = -marginBuckets * bucketSize;
    columns = std::max(0, mapWidth) / bucketSize + 1 + 2 * marginBuckets;
    rows = std::max(0, mapHeight) / bucketSize + 1 + 2 * marginBuckets;
    bucketStart.assign((size_t)columns * rows + 1, 0);

    auto bucketOf = [&](const IndexBox& b) -> int64_t {
        int32_t cx = bucketX(b.x0), cy = bucketY(b.y0);
        bool small = b.x1 - b.x0 <= maxIndexedExtent && b.y1 - b.y0 <= maxIndexedExtent &&
                     b.x1 >= b.x0 && b.y1 >= b.y0;
        if (!small || cx < 0 || cy < 0 || cx >= columns || cy >= rows) return -1;
        return (int64_t)cy * columns + cx;
    };
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (!present[i]) continue;
        int64_t bucket = bucketOf(boxes[i]);
        if (bucket < 0) {
            everywhere.push_back((int32_t)i);
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
        if (!present[i]) continue;
        int64_t bucket = bucketOf(boxes[i]);
        if (bucket >= 0) bucketItems[(size_t)fill[(size_t)bucket]++] = (int32_t)i;
    }
}

void BoxIndex::query(const IndexBox& probe, std::vector<int32_t>& out) const {
    out.clear();
    if (boxCount == 0) return;
    // A box meets the probe only if its corner lies within the probe grown up
    // and left by the largest box.
    int32_t cx0 = std::max(bucketX(probe.x0 - reachX), 0);
    int32_t cx1 = std::min(bucketX(probe.x1), columns - 1);
    int32_t cy0 = std::max(bucketY(probe.y0 - reachY), 0);
    int32_t cy1 = std::min(bucketY(probe.y1), rows - 1);
    for (int32_t cy = cy0; cy <= cy1; ++cy) {
        size_t row = (size_t)cy * columns;
        for (int32_t k = bucketStart[row + cx0]; k < bucketStart[row + cx1 + 1]; ++k)
            out.push_back(bucketItems[(size_t)k]);
    }
    out.insert(out.end(), everywhere.begin(), everywhere.end());
    // Every box is filed once, so the candidates only need their order.
    if (out.size() > 1) std::sort(out.begin(), out.end());
}
