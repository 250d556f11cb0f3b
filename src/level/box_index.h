#pragma once

#include <cstdint>
#include <vector>

// A closed box of world pixels: [x0, x1] x [y0, y1], edges included, as the
// collision test counts them.
struct IndexBox {
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Finds which of a fixed list of boxes may meet a probe without looking at every
// one: a grid of 16-pixel buckets over the map, built once when a stage loads,
// each box filed under every bucket it covers (a tile on the grid covers one).
// Boxes far outside the map or larger than a few buckets are kept aside and
// offered to every query. A query gives a superset, in ascending index order;
// the caller still tests each box exactly, so the outcome is the same as
// testing all of them in order.
class BoxIndex {
public:
    // `present[i]` false leaves box i out for good. The grid covers the map of
    // the given size in pixels.
    void build(const std::vector<IndexBox>& boxes, const std::vector<bool>& present,
               int32_t mapWidth, int32_t mapHeight);
    void clear();
    // The indices of the boxes that may meet [x0, x1] x [y0, y1], ascending.
    void query(const IndexBox& probe, std::vector<int32_t>& out) const;
    int32_t size() const { return boxCount; }

private:
    int32_t bucketX(int32_t x) const;
    int32_t bucketY(int32_t y) const;

    int32_t boxCount = 0;
    int32_t originX = 0, originY = 0; // pixel of bucket (0, 0)
    int32_t columns = 0, rows = 0;
    std::vector<int32_t> bucketStart; // columns * rows + 1 offsets into bucketItems
    std::vector<int32_t> bucketItems;
    std::vector<int32_t> everywhere; // boxes offered to every query
};
