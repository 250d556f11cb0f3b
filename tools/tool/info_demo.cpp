// info --kind demo: a recorded run's header and a summary of its steering.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "game/demo_format.h"
#include "text/data_file.h"

namespace {
const char* steeringName(int value) {
    return value == steerNone    ? "none"
           : value == steerLeft  ? "left"
           : value == steerRight ? "right"
                                 : "other";
}

bool printDemo(const char* path, std::FILE* out) {
    DataReader in;
    DemoFile demo;
    if (!openCommandLineFile(path, in) || !readDemoFile(in, demo)) return false;
    // A short file would replay on whatever the steering buffer held before.
    if ((int)demo.steering.size() < demoSteeringTicks) return false;
    const DemoHeader& h = demo.header;
    std::fprintf(out, "demo %s\nformat %d\nmap %s\ndied %d\ntitle %s\nclear time %s\ncups %d\n",
                 path, h.formatMark, h.mapFile.c_str(), h.died, h.title.c_str(),
                 h.clearTime.c_str(), h.cups);
    int counts[4] = {};
    int last = -1;
    for (int t = 0; t < demoSteeringTicks; ++t) {
        int v = demo.steering[t] <= steerRight ? demo.steering[t] : 3;
        ++counts[v];
        if (v != steerNone) last = t;
    }
    std::fprintf(out, "steering %d ticks: none %d, left %d, right %d", demoSteeringTicks, counts[0],
                 counts[1], counts[2]);
    if (counts[3]) std::fprintf(out, ", other %d", counts[3]);
    std::fprintf(out, "\nlast steered tick %d\n", last);
    // Runs of equal steering up to the last steered tick: the shape of the run.
    for (int start = 0; start <= last;) {
        int end = start;
        while (end + 1 <= last && demo.steering[end + 1] == demo.steering[start])
            ++end;
        std::fprintf(out, "  ticks %d-%d %s\n", start, end, steeringName(demo.steering[start]));
        start = end + 1;
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("demo", printDemo);
