// The block index may offer more boxes than a probe meets, never fewer, and in
// ascending order without repeats: on and off the grid, with boxes that cover
// several buckets, reach out of the map, are too big to file or are left out.
#include "level/box_index.h"

#include <gtest/gtest.h>
#include <random>

namespace {
bool meet(const IndexBox& a, const IndexBox& b) {
    return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

// Boxes may come inverted (nothing meets them); probes never do.
IndexBox randomBox(std::mt19937& random, int32_t minExtent, int32_t maxExtent) {
    std::uniform_int_distribution<int32_t> at(-300, 700), extent(minExtent, maxExtent);
    IndexBox b;
    b.x0 = at(random);
    b.y0 = at(random);
    b.x1 = b.x0 + extent(random);
    b.y1 = b.y0 + extent(random);
    return b;
}
} // namespace

TEST(BoxIndex, OffersEveryBoxAProbeMeetsInOrderOnce) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 20; ++round) {
        std::vector<IndexBox> boxes;
        std::vector<bool> present;
        for (int i = 0; i < 300; ++i) {
            boxes.push_back(randomBox(random, -2, i % 10 == 0 ? 120 : 40));
            present.push_back(i % 7 != 0);
        }
        BoxIndex index;
        index.build(boxes, present, 400, 320);
        std::vector<int32_t> offered;
        for (int p = 0; p < 500; ++p) {
            IndexBox probe = randomBox(random, 0, 30);
            index.query(probe, offered);
            SCOPED_TRACE(testing::Message() << "round " << round << " probe " << p);
            for (size_t k = 1; k < offered.size(); ++k)
                ASSERT_LT(offered[k - 1], offered[k]);
            size_t k = 0;
            for (int32_t i = 0; i < (int32_t)boxes.size(); ++i) {
                while (k < offered.size() && offered[k] < i)
                    ++k;
                bool isOffered = k < offered.size() && offered[k] == i;
                if (!present[(size_t)i]) {
                    ASSERT_FALSE(isOffered) << "box " << i << " was left out";
                } else if (meet(boxes[(size_t)i], probe)) {
                    ASSERT_TRUE(isOffered) << "box " << i << " meets the probe";
                }
            }
        }
    }
}
