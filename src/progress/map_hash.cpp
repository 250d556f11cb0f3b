#include "progress/map_hash.h"

#include "platform/paths.h"

#include <cstdint>
#include <cstdio>

std::string mapFileHash(const char* mapFile) {
    std::FILE* file =
        std::fopen(resolvePath(("DATA\\" + std::string(mapFile)).c_str()).c_str(), "rb");
    if (!file) return {};
    uint64_t hash = 14695981039346656037ULL;
    unsigned char buffer[16384];
    size_t got = 0;
    bool any = false;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        any = true;
        for (size_t i = 0; i < got; ++i)
            hash = (hash ^ buffer[i]) * 1099511628211ULL;
    }
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed || !any) return {};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", (unsigned long long)hash);
    return text;
}
