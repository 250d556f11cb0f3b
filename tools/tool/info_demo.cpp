// info --kind demo: a recorded run's header and a summary of its steering.
#include "tool/info.h"

#include "text/data_file.h"

#include <vector>

namespace {
constexpr int steeringLength = 9001; // ticks a demo file carries

const char* steeringName(int value) {
    return value == 0 ? "none" : value == 1 ? "left" : value == 2 ? "right" : "other";
}

bool printDemo(const char* path, std::FILE* out) {
    DataReader in;
    if (!in.open(path)) return false;
    int32_t mark = readInt32(in);
    char mapFile[80], title[80], clearTime[80];
    readString(mapFile, in);
    int32_t died = readInt32(in);
    readString(title, in);
    readString(clearTime, in);
    int32_t cups = readInt32(in);
    std::vector<uint8_t> steering(steeringLength);
    in.readBytes(steering.data(), steering.size());
    // A short file would replay on whatever the buffer held before: refuse it.
    if (in.failed()) return false;

    std::fprintf(out, "demo %s\nformat %d\nmap %s\ndied %d\ntitle %s\nclear time %s\ncups %d\n",
                 path, mark, mapFile, died, title, clearTime, cups);
    int counts[4] = {};
    int last = -1;
    for (int t = 0; t < steeringLength; ++t) {
        int v = steering[t] <= 2 ? steering[t] : 3;
        ++counts[v];
        if (v != 0) last = t;
    }
    std::fprintf(out, "steering %d ticks: none %d, left %d, right %d", steeringLength, counts[0],
                 counts[1], counts[2]);
    if (counts[3]) std::fprintf(out, ", other %d", counts[3]);
    std::fprintf(out, "\nlast steered tick %d\n", last);
    // Runs of equal steering up to the last steered tick: the shape of the run.
    for (int start = 0; start <= last;) {
        int end = start;
        while (end + 1 <= last && steering[end + 1] == steering[start])
            ++end;
        std::fprintf(out, "  ticks %d-%d %s\n", start, end, steeringName(steering[start]));
        start = end + 1;
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("demo", printDemo);
