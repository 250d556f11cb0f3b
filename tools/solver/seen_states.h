#pragma once

#include <cstdint>
#include <vector>

// The keys of the states a search has reached: one flat table probed in a line,
// so that a look-up costs one miss of the cache rather than a chain of them.
class SeenStates {
public:
    // False when the key was there already; else adds it.
    bool insert(uint64_t key) {
        if (key == 0) key = 1; // 0 marks an empty slot
        if ((count + 1) * 4 > slots.size() * 3) grow();
        size_t mask = slots.size() - 1;
        for (size_t i = (size_t)(key * 0x9e3779b97f4a7c15ULL >> 20) & mask;; i = (i + 1) & mask) {
            if (slots[i] == key) return false;
            if (slots[i] == 0) {
                slots[i] = key;
                ++count;
                return true;
            }
        }
    }
    size_t size() const { return count; }

private:
    void grow() {
        std::vector<uint64_t> old;
        old.swap(slots);
        slots.assign(old.empty() ? 1024 : old.size() * 2, 0);
        count = 0;
        for (uint64_t key : old)
            if (key) insert(key);
    }

    std::vector<uint64_t> slots;
    size_t count = 0;
};
