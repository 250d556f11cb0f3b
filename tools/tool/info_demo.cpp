// info --kind demo: a demo file as the text source it can be compiled from.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "game/demo_text.h"
#include "text/data_file.h"

namespace {
bool printDemo(const char* path, std::FILE* out) {
    DataReader in;
    DemoFile demo;
    if (!openCommandLineFile(path, in) || !readDemoFile(in, demo)) return false;
    // A short file would replay on whatever the steering buffer held before.
    if ((int)demo.steering.size() < demoSteeringTicks) return false;
    std::fprintf(out, "# demo %s\n%s", path, demoToText(demo).c_str());
    return true;
}
} // namespace

REGISTER_INFO_KIND("demo", printDemo);
