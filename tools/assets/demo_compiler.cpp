// Demos from their text sources:
// - content/demos/<name>.txt -> "<NAME>.TDM": the solution demos, in their own
//   folder beside the game (build/solutions), compiled only when asked for by
//   name ("demos"), since they are not part of the game's data tree;
// - content/showdemos/<name>.txt -> "DEMOS\<NAME>.TDM": the demos the game ships
//   for its demo browser, part of the game's data.
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/demo_source.h"

#include "game/demo_text.h"
#include "text/data_file.h"

#include <fstream>
#include <sstream>

bool readDemoSource(const std::string& path, DemoFile& demo) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    if (demoFromText(text.str(), demo, error)) return true;
    // "line N: what" -> "path:N: what"
    size_t colon = error.find(':');
    sourceError(path, std::atoi(error.c_str() + 5), error.substr(colon + 2));
    return false;
}

namespace {
bool compileFolder(const std::string& contentDir, const char* folder, const std::string& prefix) {
    bool ok = true;
    for (const std::string& path : listSources(contentDir, folder)) {
        DemoFile demo;
        if (!readDemoSource(path, demo)) {
            ok = false;
            continue;
        }
        std::string target = prefix + sourceStem(path, true) + ".TDM";
        DataWriter out;
        if (!out.open(target.c_str())) {
            sourceError(path, 0, "cannot write " + target);
            ok = false;
            continue;
        }
        writeDemoFile(out, demo.header, demo.steering.data(), demo.steering.size());
        if (!out.commit()) {
            sourceError(path, 0, "cannot write " + target);
            ok = false;
        }
    }
    return ok;
}

bool compileDemos(const std::string& contentDir) {
    return compileFolder(contentDir, "demos", "");
}

bool compileShowDemos(const std::string& contentDir) {
    return compileFolder(contentDir, "showdemos", "DEMOS/");
}
} // namespace

REGISTER_COMPILER("demos", compileDemos);
REGISTER_COMPILER("showdemos", compileShowDemos);
