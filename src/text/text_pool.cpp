#include "text/text_pool.h"

#include <cstdarg>
#include <cstdio>

namespace {

char buffers[textPoolSize][textPoolBufferSize];
int lastUsed = textPoolSize - 1;

char* nextBuffer() {
    lastUsed = (lastUsed + 1) % textPoolSize;
    return buffers[lastUsed];
}

const char* format(const char* fmt, ...) {
    char* out = nextBuffer();
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(out, textPoolBufferSize, fmt, args);
    va_end(args);
    return out;
}

} // namespace

const char* joinText(const char* a) {
    return format("%s", a);
}
const char* joinText(const char* a, const char* b) {
    return format("%s%s", a, b);
}
const char* joinText(const char* a, const char* b, const char* c) {
    return format("%s%s%s", a, b, c);
}
const char* joinText(const char* a, const char* b, const char* c, const char* d) {
    return format("%s%s%s%s", a, b, c, d);
}
const char* numberText(int n) {
    return format("%d", n);
}
const char* textWithNumber(const char* a, int n) {
    return format("%s%d", a, n);
}
const char* textNumberText(const char* a, int n, const char* b) {
    return format("%s%d%s", a, n, b);
}
const char* chooseText(bool flag, const char* a, const char* b) {
    return format("%s", flag ? a : b);
}
