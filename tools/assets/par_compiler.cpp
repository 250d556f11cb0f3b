// content/demos/*.txt -> "DATA\PARTIMES.TXT": the par of each stage that has a
// solution demo, its clear tick (from the clear time its header records, which
// `tumblo-tool verify` holds to the replay). Demos that end in a death give
// none.
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/demo_source.h"
#include "progress/clear_time.h"
#include "progress/par_times.h"
#include "text/text_lines.h"

namespace {
bool compileParTimes(const std::string& contentDir) {
    ParTimes pars;
    bool ok = true;
    for (const std::string& path : listSources(contentDir, "demos")) {
        DemoFile demo;
        if (!readDemoSource(path, demo)) {
            ok = false;
            continue;
        }
        if (demo.header.died != 0) continue;
        int32_t tick = clearTickOfText(demo.header.clearTime);
        if (tick < 0) {
            sourceError(path, 0, "the clear time '" + demo.header.clearTime + "' is not one");
            ok = false;
            continue;
        }
        if (pars.of(demo.header.mapFile) >= 0) {
            sourceError(path, 0, "a second solution of " + demo.header.mapFile);
            ok = false;
            continue;
        }
        pars.set(demo.header.mapFile, tick);
    }
    if (!writeTextFile("DATA/PARTIMES.TXT", formatParTimes(pars))) {
        sourceError(contentDir, 0, "cannot write DATA/PARTIMES.TXT");
        return false;
    }
    return ok;
}
} // namespace

REGISTER_COMPILER("partimes", compileParTimes);
