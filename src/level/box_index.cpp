#include "level/box_index.h"

#include <algorithm>

namespace {
constexpr int32_t bucketSize = 16;
// Room around the map for bodies that stand at its edges or fall out of it.
constexpr int32_t marginBuckets = 8;
// A box over more buckets than this (a huge tile) is cheaper kept aside.
constexpr int64_t maxBucketsPerBox = 64;

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

void BoxIndex::build(const std::vector<IndexBox>& boxes, const std::vector<bool>& present,
                     int32_t mapWidth, int32_t mapHeight) {
    clear();
    boxCount = (int32_t)boxes.size();
    originX = -marginBuckets * bucketSize;
    originY = -marginBuckets * bucketSize;
    columns = std::max(0, mapWidth) / bucketSize + 1 + 2 * marginBuckets;
    rows = std::max(0, mapHeight) / bucketSize + 1 + 2 * marginBuckets;
    bucketStart.assign((size_t)columns * rows + 1, 0);
    seen.assign(boxes.size(), 0);

    // Which boxes go into the grid, and over which buckets.
    auto range = [&](const IndexBox& b, int32_t& cx0, int32_t& cy0, int32_t& cx1, int32_t& cy1) {
        cx0 = bucketX(b.x0), cx1 = bucketX(b.x1), cy0 = bucketY(b.y0), cy1 = bucketY(b.y1);
        bool inside =
            cx0 >= 0 && cy0 >= 0 && cx1 < columns && cy1 < rows && cx0 <= cx1 && cy0 <= cy1;
        return inside && (int64_t)(cx1 - cx0 + 1) * (cy1 - cy0 + 1) <= maxBucketsPerBox;
    };
    int32_t cx0, cy0, cx1, cy1;
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (!present[i]) continue;
        if (!range(boxes[i], cx0, cy0, cx1, cy1)) {
            everywhere.push_back((int32_t)i);
            continue;
        }
        for (int32_t cy = cy0; cy <= cy1; ++cy)
            for (int32_t cx = cx0; cx <= cx1; ++cx)
                bucketStart[(size_t)cy * columns + cx + 1] += 1;
    }
    for (size_t b = 1; b < bucketStart.size(); ++b)
        bucketStart[b] += bucketStart[b - 1];
    bucketItems.resize((size_t)bucketStart.back());
    std::vector<int32_t> fill(bucketStart.begin(), bucketStart.end() - 1);
    // Filled in box order, so every bucket lists its boxes ascending.
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (!present[i] || !range(boxes[i], cx0, cy0, cx1, cy1)) continue;
        for (int32_t cy = cy0; cy <= cy1; ++cy)
            for (int32_t cx = cx0; cx <= cx1; ++cx)
                bucketItems[(size_t)fill[(size_t)cy * columns + cx]++] = (int32_t)i;
    }
}

void BoxIndex::query(const IndexBox& probe, std::vector<int32_t>& out) const {
    out.clear();
    if (boxCount == 0) return;
    if (++queryNumber == 0) { // the stamps wrapped: forget them all
        std::fill(seen.begin(), seen.end(), 0);
        queryNumber = 1;
    }
    int32_t cx0 = std::max(bucketX(probe.x0), 0), cx1 = std::min(bucketX(probe.x1), columns - 1);
    int32_t cy0 = std::max(bucketY(probe.y0), 0), cy1 = std::min(bucketY(probe.y1), rows - 1);
    for (int32_t cy = cy0; cy <= cy1; ++cy)
        for (int32_t cx = cx0; cx <= cx1; ++cx) {
            size_t bucket = (size_t)cy * columns + cx;
            for (int32_t k = bucketStart[bucket]; k < bucketStart[bucket + 1]; ++k) {
                int32_t i = bucketItems[(size_t)k];
                if (seen[(size_t)i] == queryNumber) continue;
                seen[(size_t)i] = queryNumber;
                out.push_back(i);
            }
        }
    out.insert(out.end(), everywhere.begin(), everywhere.end());
    std::sort(out.begin(), out.end());
}
