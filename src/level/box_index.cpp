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

// Each box is filed under every bucket it covers, so a query only looks at the
// buckets its probe covers; a probe beyond the grid looks at its edge buckets,
// where the boxes that reach out of the grid are filed.
void BoxIndex::build(const std::vector<IndexBox>& boxes, const std::vector<bool>& present,
                     int32_t mapWidth, int32_t mapHeight) {
    clear();
    boxCount = (int32_t)boxes.size();
    originX = -marginBuckets * bucketSize;
    originY = -marginBuckets * bucketSize;
    columns = std::max(0, mapWidth) / bucketSize + 1 + 2 * marginBuckets;
    rows = std::max(0, mapHeight) / bucketSize + 1 + 2 * marginBuckets;
    bucketStart.assign((size_t)columns * rows + 1, 0);

    // The buckets a box is filed under, or false when it is kept aside.
    auto bucketsOf = [&](const IndexBox& b, int32_t& cx0, int32_t& cy0, int32_t& cx1,
                         int32_t& cy1) {
        bool small = b.x1 - b.x0 <= maxIndexedExtent && b.y1 - b.y0 <= maxIndexedExtent &&
                     b.x1 >= b.x0 && b.y1 >= b.y0;
        cx0 = bucketX(b.x0), cy0 = bucketY(b.y0);
        if (!small || cx0 < 0 || cy0 < 0 || cx0 >= columns || cy0 >= rows) return false;
        cx1 = std::min(bucketX(b.x1), columns - 1);
        cy1 = std::min(bucketY(b.y1), rows - 1);
        return true;
    };
    int32_t cx0, cy0, cx1, cy1;
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (!present[i]) continue;
        if (!bucketsOf(boxes[i], cx0, cy0, cx1, cy1)) {
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
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (!present[i] || !bucketsOf(boxes[i], cx0, cy0, cx1, cy1)) continue;
        for (int32_t cy = cy0; cy <= cy1; ++cy)
            for (int32_t cx = cx0; cx <= cx1; ++cx)
                bucketItems[(size_t)fill[(size_t)cy * columns + cx]++] = (int32_t)i;
    }
}

void BoxIndex::query(const IndexBox& probe, std::vector<int32_t>& out) const {
    out.clear();
    if (boxCount == 0) return;
    auto clampTo = [](int32_t v, int32_t last) { return std::min(std::max(v, 0), last); };
    int32_t cx0 = clampTo(bucketX(probe.x0), columns - 1);
    int32_t cx1 = clampTo(bucketX(probe.x1), columns - 1);
    int32_t cy0 = clampTo(bucketY(probe.y0), rows - 1);
    int32_t cy1 = clampTo(bucketY(probe.y1), rows - 1);
    for (int32_t cy = cy0; cy <= cy1; ++cy) {
        const int32_t* starts = &bucketStart[(size_t)cy * columns];
        for (int32_t k = starts[cx0]; k < starts[cx1 + 1]; ++k)
            out.push_back(bucketItems[(size_t)k]);
    }
    out.insert(out.end(), everywhere.begin(), everywhere.end());
    // A box that covers several of the buckets comes once from each: in index
    // order, once. The lists are a handful long, so insertion sort it is.
    if (out.size() < 2) return;
    for (size_t i = 1; i < out.size(); ++i) {
        int32_t v = out[i];
        size_t j = i;
        for (; j > 0 && out[j - 1] > v; --j)
            out[j] = out[j - 1];
        out[j] = v;
    }
    out.erase(std::unique(out.begin(), out.end()), out.end());
}
