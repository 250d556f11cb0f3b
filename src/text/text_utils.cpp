#include "text/text_utils.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

void toUpperInPlace(char* text) {
    for (; *text; ++text)
        if (*text >= 'a' && *text <= 'z') *text = (char)(*text - 'a' + 'A');
}

bool equalsIgnoreCase(const char* a, const char* b) {
    std::string ua(a), ub(b);
    toUpperInPlace(ua.data());
    toUpperInPlace(ub.data());
    return ua == ub;
}

void seedRandom() {
    std::srand((unsigned)std::time(nullptr));
}

int randomBetween(int low, int high) {
    return std::rand() % (high - low + 1) + low;
}

namespace {
bool spansMeet(int a, int aw, int b, int bw) {
    return (a <= b && b <= a + aw) || (a <= b + bw && b + bw <= a + aw) ||
           (b <= a && a + aw <= b + bw);
}
} // namespace

bool boxesOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
    return spansMeet(x1, w1, x2, w2) && spansMeet(y1, h1, y2, h2);
}

void copyText(char* destination, const char* source, int capacity) {
    if (capacity <= 0) return;
    std::strncpy(destination, source, (size_t)capacity - 1);
    destination[capacity - 1] = '\0';
}
